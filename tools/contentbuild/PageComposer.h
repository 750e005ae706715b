#pragma once
// Fills a page into the shared template and gathers the figures it shows: every
// <img src="name.png"> whose figures/name.fig exists is drawn and becomes an archive resource,
// and the src is rewritten to the archive's "<page>_files/imageNNN.png".
#include <filesystem>
#include <string>
#include <vector>

#include "base/Result.h"
#include "contentbuild/MhtmlWriter.h"

namespace tavra::content {

struct PageContent {
  std::string title;  // plain text, UTF-8
  bool heading = true;
  std::string bodyClass;
  std::string body;   // HTML fragment, UTF-8
  ArchiveLayout layout = ArchiveLayout::Multipart;
};

class PageComposer {
 public:
  explicit PageComposer(std::filesystem::path sourceDir) : sourceDir_(std::move(sourceDir)) {}

  // The archive page; inputs receives every source file read (template, style, figures).
  Result<ArchivePage> compose(const std::string& archiveName, const PageContent& content,
                              std::vector<std::filesystem::path>& inputs) const;

 private:
  std::filesystem::path sourceDir_;
};

std::string escapeHtmlText(const std::string& text);

}  // namespace tavra::content
