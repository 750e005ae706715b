#include "contentbuild/ContentBuilder.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "base/Files.h"
#include "contentbuild/MarkPainter.h"
#include "contentbuild/PageComposer.h"
#include "contentbuild/PageSource.h"
#include "contentbuild/QuestionSource.h"

namespace tavra::content {
namespace {

namespace fs = std::filesystem;
constexpr std::uint64_t kMaxSourceBytes = 1024 * 1024;
constexpr std::size_t kMaxOutputs = 1000;

std::string folderOf(const std::string& name) {
  const auto slash = name.find('/');
  return slash == std::string::npos ? "" : name.substr(0, slash);
}

std::string questionTitle(const std::string& name) {
  // "test/v2/7.mht" -> "Вариант 2. Вопрос 7"
  const auto variantAt = name.find("/v");
  const auto slash = name.rfind('/');
  if (variantAt == std::string::npos || slash == std::string::npos || slash <= variantAt + 2) return "Вопрос";
  const std::string variant = name.substr(variantAt + 2, slash - variantAt - 2);
  const std::string number = name.substr(slash + 1, name.size() - slash - 1 - 4);
  return "Вариант " + variant + ". Вопрос " + number;
}

}  // namespace

Result<std::vector<ContentOutput>> ContentBuilder::outputs() const {
  std::vector<ContentOutput> found;
  const fs::path pages = sourceDir_ / "pages";
  std::error_code ec;
  if (!fs::is_directory(pages, ec)) return Error{pages.string() + ": no such folder"};
  for (fs::recursive_directory_iterator it(pages, ec), end; it != end; it.increment(ec)) {
    if (ec) return Error{pages.string() + ": " + ec.message()};
    if (!it->is_regular_file()) continue;
    const fs::path& path = it->path();
    const std::string extension = path.extension().string();
    if (extension != ".html" && extension != ".txt") continue;
    if (found.size() >= kMaxOutputs) return Error{"more than 1000 pages"};
    std::string name = fs::relative(path, pages).replace_extension(".mht").generic_string();
    found.push_back({name, extension == ".txt" ? OutputKind::Question : OutputKind::Page, path});
  }
  found.push_back({"dmat/ok.png", OutputKind::MarkOk, {}});
  found.push_back({"dmat/no.png", OutputKind::MarkNo, {}});
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  for (std::size_t i = 1; i < found.size(); ++i) {
    if (found[i].name == found[i - 1].name) {
      return Error{found[i].name + " is made from two sources (.html and .txt)"};
    }
  }
  return found;
}

Result<BuiltFile> ContentBuilder::build(const std::string& outputName) const {
  auto all = outputs();
  if (!all) return Error{all.error()};
  for (const ContentOutput& output : *all) {
    if (output.name == outputName) return build(output);
  }
  return Error{outputName + ": no source makes this file"};
}

Result<BuiltFile> ContentBuilder::build(const ContentOutput& output) const {
  switch (output.kind) {
    case OutputKind::Page: return buildPage(output);
    case OutputKind::Question: return buildQuestion(output);
    case OutputKind::MarkOk: return BuiltFile{MarkPainter::renderPng(Mark::Ok), {}};
    case OutputKind::MarkNo: return BuiltFile{MarkPainter::renderPng(Mark::No), {}};
  }
  return Error{"unknown output kind"};
}

Result<BuiltFile> ContentBuilder::buildPage(const ContentOutput& output) const {
  BuiltFile built;
  built.inputs.push_back(output.source);
  auto text = readFileText(output.source.string(), kMaxSourceBytes);
  if (!text) return Error{output.source.string() + ": " + text.error()};
  auto source = PageSource::parse(*text);
  if (!source) return Error{output.source.string() + ": " + source.error()};
  PageContent content{.title = source->title,
                      .heading = source->heading,
                      .bodyClass = folderOf(output.name),
                      .body = source->body,
                      .layout = source->layout};
  auto page = PageComposer(sourceDir_).compose(output.name, content, built.inputs);
  if (!page) return Error{output.source.string() + ": " + page.error()};
  if (page->layout == ArchiveLayout::SinglePart && !page->resources.empty()) {
    return Error{output.source.string() + ": a single-part page cannot show figures"};
  }
  built.bytes = MhtmlWriter::write(*page);
  return built;
}

Result<BuiltFile> ContentBuilder::buildQuestion(const ContentOutput& output) const {
  BuiltFile built;
  built.inputs.push_back(output.source);
  auto text = readFileText(output.source.string(), kMaxSourceBytes);
  if (!text) return Error{output.source.string() + ": " + text.error()};
  auto question = QuestionSource::parse(*text);
  if (!question) return Error{output.source.string() + ": " + question.error()};
  PageContent content{.title = questionTitle(output.name),
                      .heading = true,
                      .bodyClass = "test",
                      .body = question->bodyHtml(),
                      .layout = ArchiveLayout::SinglePart};
  auto page = PageComposer(sourceDir_).compose(output.name, content, built.inputs);
  if (!page) return Error{output.source.string() + ": " + page.error()};
  built.bytes = MhtmlWriter::write(*page);
  return built;
}

Result<std::vector<std::string>> ContentBuilder::buildAll(const fs::path& outDir) const {
  auto all = outputs();
  if (!all) return Error{all.error()};
  std::vector<std::string> written;
  for (const ContentOutput& output : *all) {
    auto built = build(output);
    if (!built) return Error{built.error()};
    const fs::path target = outDir / output.name;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    std::ofstream file(target, std::ios::binary | std::ios::trunc);
    file.write(built->bytes.data(), static_cast<std::streamsize>(built->bytes.size()));
    if (!file) return Error{target.string() + ": cannot write"};
    written.push_back(output.name);
  }
  return written;
}

}  // namespace tavra::content
