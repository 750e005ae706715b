#include "contentbuild/PageComposer.h"

#include <cstdio>
#include <map>

#include "base/Files.h"
#include "base/Text.h"
#include "contentbuild/Cp1251Html.h"
#include "contentbuild/FigureRenderer.h"
#include "contentbuild/FigureSource.h"

namespace tavra::content {
namespace {

constexpr std::uint64_t kMaxSourceBytes = 1024 * 1024;

Result<std::string> readSource(const std::filesystem::path& path, std::vector<std::filesystem::path>& inputs) {
  inputs.push_back(path);
  auto text = readFileText(path.string(), kMaxSourceBytes);
  if (!text) return Error{path.string() + ": " + text.error()};
  return std::move(*text);
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string stemOf(const std::string& archiveName) {
  const auto slash = archiveName.rfind('/');
  std::string file = slash == std::string::npos ? archiveName : archiveName.substr(slash + 1);
  return file.substr(0, file.rfind('.'));
}

// The stylesheet's comments are for authors; pages carry the rules only.
std::string withoutComments(const std::string& css) {
  std::string out;
  std::size_t at = 0;
  for (;;) {
    const std::size_t open = css.find("/*", at);
    if (open == std::string::npos) break;
    const std::size_t close = css.find("*/", open + 2);
    out += css.substr(at, open - at);
    if (close == std::string::npos) return out;
    at = close + 2;
    while (at < css.size() && (css[at] == '\n' || css[at] == '\r')) ++at;
  }
  return out + css.substr(at);
}

}  // namespace

std::string escapeHtmlText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

Result<ArchivePage> PageComposer::compose(const std::string& archiveName, const PageContent& content,
                                          std::vector<std::filesystem::path>& inputs) const {
  auto pageTemplate = readSource(sourceDir_ / "template.html", inputs);
  if (!pageTemplate) return Error{pageTemplate.error()};
  auto style = readSource(sourceDir_ / "style.css", inputs);
  if (!style) return Error{style.error()};

  ArchivePage page;
  page.name = archiveName;
  page.layout = content.layout;
  page.titleCp1251 = utf8ToCp1251(content.title);

  // Figures: each distinct src becomes one resource, numbered in order of first appearance.
  std::string body = content.body;
  std::map<std::string, std::string> rewritten;
  const std::string marker = "src=\"";
  for (std::size_t at = body.find(marker); at != std::string::npos; at = body.find(marker, at + 1)) {
    const std::size_t valueStart = at + marker.size();
    const std::size_t valueEnd = body.find('"', valueStart);
    if (valueEnd == std::string::npos) return Error{archiveName + ": unterminated src attribute"};
    const std::string src = body.substr(valueStart, valueEnd - valueStart);
    auto known = rewritten.find(src);
    if (known == rewritten.end()) {
      if (!src.ends_with(".png") || src.find('/') != std::string::npos) {
        return Error{archiveName + ": image \"" + src + "\" must name a figure as name.png"};
      }
      const std::filesystem::path figurePath = sourceDir_ / "figures" / (src.substr(0, src.size() - 4) + ".fig");
      auto figureText = readSource(figurePath, inputs);
      if (!figureText) return Error{archiveName + ": figure for \"" + src + "\": " + figureText.error()};
      auto spec = FigureSource::parse(*figureText);
      if (!spec) return Error{figurePath.string() + ": " + spec.error()};
      auto png = FigureRenderer::renderPng(*spec);
      if (!png) return Error{figurePath.string() + ": " + png.error()};
      char name[32];
      std::snprintf(name, sizeof name, "image%03zu.png", page.resources.size() + 1);
      const std::string location = stemOf(archiveName) + "_files/" + name;
      page.resources.push_back({location, "image/png", std::move(*png)});
      known = rewritten.emplace(src, location).first;
    }
    body.replace(valueStart, valueEnd - valueStart, known->second);
  }

  std::string html = *pageTemplate;
  const std::string heading = content.heading ? "<h1>" + escapeHtmlText(content.title) + "</h1>\n" : "";
  replaceAll(html, "{{style}}", withoutComments(*style));
  replaceAll(html, "{{title}}", escapeHtmlText(content.title));
  replaceAll(html, "{{class}}", content.bodyClass);
  replaceAll(html, "{{heading}}", heading);
  replaceAll(html, "{{body}}", body);
  page.htmlCp1251 = htmlToCp1251(html);
  return page;
}

}  // namespace tavra::content
