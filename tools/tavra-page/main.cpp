// Draws one page archive to a PNG of the whole page height, laid out at the main viewer's
// width unless another is given: for course authors, and for comparing with a browser.
//   tavra-page ARCHIVE OUT.png [WIDTH]   the page as a picture
//   tavra-page --lines ARCHIVE [WIDTH]   the page's height and the first word of each line
//   tavra-page --html ARCHIVE DIR        the page as UTF-8 HTML with its pictures beside it,
//                                        for a browser to lay out the same page
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/ImageCodec.h"
#include "platform/page/PageDocument.h"
#include "platform/mhtml/Url.h"

namespace {

using namespace tavra;

constexpr int kDefaultWidth = 721;  // the main window's viewer
constexpr int kMaxWidth = 8192;

int usage() {
  std::fprintf(stderr,
               "usage: tavra-page ARCHIVE OUT.png [WIDTH]\n"
               "       tavra-page --lines ARCHIVE [WIDTH]\n"
               "       tavra-page --html ARCHIVE DIR\n");
  return 2;
}

bool parseWidth(std::string_view text, int& width) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), width);
  if (ec != std::errc() || end != text.data() + text.size() || width < 16 || width > kMaxWidth) {
    std::fprintf(stderr, "tavra-page: width must be a number from 16 to %d\n", kMaxWidth);
    return false;
  }
  return true;
}

// The page, or a message and false when it cannot be read.
bool open(const char* path, LoadedPage& page) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    std::fprintf(stderr, "tavra-page: \"%s\" is a folder, not a page archive\n", path);
    return false;
  }
  page = loadPage(path);
  switch (page.status) {
    case PageStatus::Loaded: return true;
    case PageStatus::NotFound: std::fprintf(stderr, "tavra-page: cannot read \"%s\": no such file\n", path); return false;
    case PageStatus::Unreadable:
    case PageStatus::Damaged:
      std::fprintf(stderr, "tavra-page: cannot read \"%s\": not a readable page archive\n", path);
      return false;
  }
  return false;
}

int drawPage(const char* archive, const char* out, int width) {
  LoadedPage page;
  if (!open(archive, page)) return 1;
  PageDocument document(std::move(page));
  document.layout(width, 600);
  int pageHeight = std::max(1, document.height());
  int pageWidth = std::min(document.width(), Bitmap::kMaxDimension);
  int height = std::min(pageHeight, Bitmap::kMaxDimension);
  if (static_cast<long long>(pageWidth) * height > Bitmap::kMaxPixels) height = static_cast<int>(Bitmap::kMaxPixels / pageWidth);
  Bitmap bitmap(pageWidth, height);
  {
    Canvas canvas(bitmap);
    document.draw(canvas, bitmap.bounds(), {0, 0});
  }
  bitmap.setFormat(PixelFormat::Bits24);
  if (!savePng(bitmap, out)) {
    std::fprintf(stderr, "tavra-page: cannot write \"%s\"\n", out);
    return 1;
  }
  std::printf("%s: %d x %d\n", out, pageWidth, height);
  if (height < pageHeight || pageWidth < document.width()) {
    std::fprintf(stderr, "tavra-page: the page is %d x %d; the picture was cut to its first %d x %d pixels\n", document.width(),
                 pageHeight, pageWidth, height);
  }
  return 0;
}

// A new line starts where a word lies lower than the one before and further left: the same
// rule the comparison script applies in the browser.
int printLines(const char* archive, int width) {
  LoadedPage page;
  if (!open(archive, page)) return 1;
  PageDocument document(std::move(page));
  document.layout(width, 600);
  std::printf("height %d\n", document.height());
  int lastTop = -1000000;
  int lastLeft = 1000000;
  for (const auto& run : document.textRuns()) {
    if (trimmed(run.text).empty()) continue;
    if (run.box.left < lastLeft - 1 && run.box.top > lastTop + 2) std::printf("line %d %s\n", run.box.top, run.text.c_str());
    lastTop = run.box.top;
    lastLeft = run.box.left;
  }
  return 0;
}

// The root page with a UTF-8 declaration ahead of its own, and every part that lies under the
// page's folder written at its relative place.
int writeHtml(const char* archive, const char* dir) {
  LoadedPage page;
  if (!open(archive, page)) return 1;
  const MhtmlArchive& a = page.archive;
  std::filesystem::path root(dir);
  std::error_code ec;
  std::filesystem::create_directories(root, ec);
  std::string html = a.html();
  std::string lower = toLowerAscii(html.substr(0, 4096));
  size_t head = lower.find("<head");
  size_t insertAt = head == std::string::npos ? 0 : html.find('>', head);
  insertAt = insertAt == std::string::npos ? 0 : (head == std::string::npos ? 0 : insertAt + 1);
  html.insert(insertAt, "<meta charset=\"utf-8\">");
  std::string base = a.baseUrl();
  std::string folder = base.substr(0, base.rfind('/') + 1);
  int written = 0;
  for (const MhtmlResource& r : a.resources()) {
    if (r.location.size() <= folder.size() || r.location.compare(0, folder.size(), folder) != 0) continue;
    std::string relative = percentDecode(r.location.substr(folder.size()));
    if (relative.find("..") != std::string::npos || relative.front() == '/') continue;
    std::filesystem::path target = root / relative;
    std::filesystem::create_directories(target.parent_path(), ec);
    std::ofstream(target, std::ios::binary) << r.data;
    ++written;
  }
  std::filesystem::path pagePath = root / "page.html";
  std::ofstream out(pagePath, std::ios::binary);
  out << html;
  if (!out) {
    std::fprintf(stderr, "tavra-page: cannot write \"%s\"\n", pagePath.c_str());
    return 1;
  }
  std::printf("%s: the page and %d parts\n", pagePath.c_str(), written);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  std::string_view first = argv[1];
  int width = kDefaultWidth;
  if (first == "--lines") {
    if (argc > 4 || (argc == 4 && !parseWidth(argv[3], width))) return usage();
    return printLines(argv[2], width);
  }
  if (first == "--html") {
    if (argc != 4) return usage();
    return writeHtml(argv[2], argv[3]);
  }
  if (argc > 4) return usage();
  if (argc == 4 && !parseWidth(argv[3], width)) return 2;
  return drawPage(argv[1], argv[2], width);
}
