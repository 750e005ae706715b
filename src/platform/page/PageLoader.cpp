#include "platform/page/PageLoader.h"

#include "base/Files.h"
#include "platform/mhtml/Url.h"

namespace tavra {
namespace {

std::string escapeHtml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

// The frame of the program's own pages: a heading, the path, an explanation.
std::string messagePage(const std::string& heading, const std::string& path, const std::string& explanation) {
  return "<html><head><meta charset=\"utf-8\"><title>" + escapeHtml(heading) +
         "</title></head>"
         "<body style=\"margin:24px; font-family:Arial; font-size:13px; color:#202020; background:#ffffff\">"
         "<div style=\"border:1px solid #b0b8c8; background:#f4f6fa; padding:16px 20px\">"
         "<h1 style=\"font-size:20px; margin:0 0 12px 0; color:#203060\">" +
         escapeHtml(heading) +
         "</h1>"
         "<p style=\"margin:0 0 10px 0; font-family:'Courier New'; font-size:12px\">" +
         escapeHtml(path) + "</p><p style=\"margin:0\">" + escapeHtml(explanation) + "</p></div></body></html>";
}

}  // namespace

std::string notFoundPageHtml(const std::string& path) {
  return messagePage("Страница не найдена", path, "Файл страницы отсутствует в материалах курса.");
}

std::string unreadablePageHtml(const std::string& path, const std::string& reason) {
  return messagePage("Страница не может быть показана", path, "Файл страницы повреждён или не является веб-архивом (" + reason + ").");
}

LoadedPage loadPage(const std::string& path) {
  LoadedPage page;
  page.path = path;
  std::string found = findPathIgnoringCase(path);
  if (found.empty() || !fileExists(found)) {
    page.status = PageStatus::NotFound;
    page.archive = MhtmlArchive::fromHtml(notFoundPageHtml(path), {});
    return page;
  }
  page.filePath = found;
  auto bytes = readFileText(found, MhtmlArchive::kMaxArchiveBytes);
  if (!bytes) {
    page.status = PageStatus::Unreadable;
    page.archive = MhtmlArchive::fromHtml(unreadablePageHtml(path, bytes.error()), {});
    return page;
  }
  auto archive = MhtmlArchive::decode(*bytes, fileUrlFromPath(found));
  if (!archive) {
    page.status = PageStatus::Damaged;
    page.archive = MhtmlArchive::fromHtml(unreadablePageHtml(path, archive.error()), {});
    return page;
  }
  page.status = PageStatus::Loaded;
  page.archive = std::move(*archive);
  return page;
}

}  // namespace tavra
