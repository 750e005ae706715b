#pragma once
// What a page refers to (images, style sheets): the parts of its archive, and for file: URLs
// that the archive lacks, files on disk (a plain HTML file's pictures), found whatever the
// letter case of their names and bounded in size.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/mhtml/MhtmlArchive.h"

namespace tavra {

class PageResources {
 public:
  static constexpr size_t kMaxFileBytes = 16 * 1024 * 1024;

  explicit PageResources(MhtmlArchive archive) : archive_(std::move(archive)) {}

  const MhtmlArchive& archive() const { return archive_; }

  struct Found {
    std::string_view data;
    std::string contentType;  // may be empty for files
    std::string charset;
    std::string url;          // the resolved URL it was found under
  };
  // Looks a reference up, resolved against `base` (the page's URL when empty).
  std::optional<Found> find(std::string_view reference, std::string_view base = {});

 private:
  MhtmlArchive archive_;
  std::map<std::string, std::optional<std::string>> files_;  // by local path; nullopt: missing
};

}  // namespace tavra
