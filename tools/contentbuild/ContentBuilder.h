#pragma once
// Builds the content store from the course sources:
//   pages/<path>.html  -> <path>.mht   (a page; figures it shows come from figures/<name>.fig)
//   pages/<path>.txt   -> <path>.mht   (a test question)
//   dmat/ok.png, dmat/no.png           (the status marks, drawn by MarkPainter)
// Every page is filled into template.html with style.css. The output of a build is a pure
// function of the sources.
#include <filesystem>
#include <string>
#include <vector>

#include "base/Result.h"

namespace tavra::content {

enum class OutputKind { Page, Question, MarkOk, MarkNo };

struct ContentOutput {
  std::string name;                // store path with '/', e.g. "mat/1.1.mht"
  OutputKind kind = OutputKind::Page;
  std::filesystem::path source;    // empty for the marks
};

struct BuiltFile {
  std::string bytes;
  std::vector<std::filesystem::path> inputs;  // every source file read, for the build's depfile
};

class ContentBuilder {
 public:
  explicit ContentBuilder(std::filesystem::path sourceDir) : sourceDir_(std::move(sourceDir)) {}

  // Every output the sources define, sorted by name.
  Result<std::vector<ContentOutput>> outputs() const;

  Result<BuiltFile> build(const ContentOutput& output) const;
  Result<BuiltFile> build(const std::string& outputName) const;

  // Builds every output into outDir (creating folders); returns the names written.
  Result<std::vector<std::string>> buildAll(const std::filesystem::path& outDir) const;

 private:
  Result<BuiltFile> buildPage(const ContentOutput& output) const;
  Result<BuiltFile> buildQuestion(const ContentOutput& output) const;

  std::filesystem::path sourceDir_;
};

}  // namespace tavra::content
