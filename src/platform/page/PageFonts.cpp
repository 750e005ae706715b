#include "platform/page/PageFonts.h"

#include <algorithm>
#include <cmath>

#include "base/Text.h"
#include "gfx/Font.h"
#include "platform/page/PageFontCache.h"

namespace tavra {

namespace {

std::string_view unquoted(std::string_view s) {
  s = trimmed(s);
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) s = s.substr(1, s.size() - 2);
  return trimmed(s);
}

}  // namespace

std::string PageFonts::familyFor(std::string_view cssFamilies) { return mapFontFace(faceFor(cssFamilies)); }

std::string PageFonts::faceFor(std::string_view cssFamilies) {
  // The first family of the list that we know, a generic one included; unknown faces of a
  // serif design count as serif. Otherwise the font table's choice for the first family.
  static constexpr std::string_view kSerifLike[] = {"cambria", "georgia", "garamond", "book antiqua", "palatino",
                                                    "bookman old style", "century", "century schoolbook"};
  static constexpr std::string_view kSansLike[] = {"arial", "tahoma", "ms sans serif", "helvetica", "calibri", "sans-serif",
                                                   "system-ui", "microsoft sans serif", "arial cyr"};
  const std::string fallback = mapFontFace("");
  std::string first;
  size_t start = 0;
  while (start <= cssFamilies.size()) {
    size_t comma = cssFamilies.find(',', start);
    std::string family(unquoted(cssFamilies.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
    start = comma == std::string_view::npos ? cssFamilies.size() + 1 : comma + 1;
    if (family.empty()) continue;
    if (first.empty()) first = family;
    std::string lower = toLowerAscii(family);
    if (lower == "serif" || lower == "times" || lower == "times new roman cyr") return "Times New Roman";
    if (lower == "monospace" || lower == "courier" || lower == "courier new cyr") return "Courier New";
    if (lower == "cursive") return "Monotype Corsiva";
    for (std::string_view serif : kSerifLike) {
      if (lower == serif) return "Times New Roman";
    }
    for (std::string_view sans : kSansLike) {
      if (lower == sans) return "Arial";
    }
    if (mapFontFace(family) != fallback) return family;
  }
  return first.empty() ? "Times New Roman" : first;
}

std::uintptr_t PageFonts::create(std::string_view cssFamilies, int sizePx, int weight, bool italic, unsigned decoration) {
  fonts_.push_back(PageFontCache::instance().face(cssFamilies, std::clamp(sizePx, 1, kMaxFontSize), weight, italic, decoration));
  return fonts_.size();
}

PageFontFace* PageFonts::get(std::uintptr_t font) const {
  if (font == 0 || font > fonts_.size()) return nullptr;
  return fonts_[font - 1].get();
}

void PageFonts::release(std::uintptr_t font) {
  if (font > 0 && font <= fonts_.size()) fonts_[font - 1].reset();
}

PageFontMetrics PageFonts::metrics(std::uintptr_t font) const {
  const PageFontFace* f = get(font);
  return f ? f->metrics() : PageFontMetrics{};
}

int PageFonts::textWidth(std::uintptr_t font, std::string_view text) {
  PageFontFace* f = get(font);
  if (!f || text.empty()) return 0;
  return static_cast<int>(std::lround(f->width(text)));
}

int PageFonts::layoutTextWidth(std::uintptr_t font, std::string_view text) {
  PageFontFace* f = get(font);
  if (!f || text.empty()) return 0;
  laidOutExact_ += f->width(text);
  long long whole = std::llround(laidOutExact_);
  int width = static_cast<int>(std::max(0LL, whole - laidOutWhole_));
  laidOutWhole_ += width;
  return width;
}

void PageFonts::drawText(cairo_t* cr, std::uintptr_t font, std::string_view text, double r, double g, double b, double a,
                         int x, int bottom) {
  PageFontFace* f = get(font);
  if (!f || text.empty()) return;
  cairo_set_source_rgba(cr, r, g, b, a);
  f->draw(cr, text, x, bottom - f->metrics().descent);
}

size_t PageFonts::cachedWidthCount() const {
  std::vector<const PageFontFace*> faces;
  for (const auto& f : fonts_) {
    if (f) faces.push_back(f.get());
  }
  std::sort(faces.begin(), faces.end());
  faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
  size_t n = 0;
  for (const PageFontFace* f : faces) n += f->cachedWidthCount();
  return n;
}

}  // namespace tavra
