#include "gfx/TextBlock.h"

#include <algorithm>

#include "gfx/Canvas.h"

namespace tavra {
namespace {

constexpr unsigned kEllipsisFlags = DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS;
constexpr std::string_view kEllipsis = "...";

size_t utf8Length(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return 4;
}

int pixels(long long pangoUnits) { return static_cast<int>((pangoUnits + PANGO_SCALE - 1) / PANGO_SCALE); }

// The underlined ranges that fall in [begin, end), moved to start at 0.
std::vector<ByteRange> rangesWithin(const std::vector<ByteRange>& ranges, int begin, int end) {
  std::vector<ByteRange> out;
  for (const ByteRange& r : ranges) {
    int b = std::max(r.begin, begin);
    int e = std::min(r.end, end);
    if (b < e) out.push_back({b - begin, e - begin});
  }
  return out;
}

std::vector<std::string_view> splitParagraphs(std::string_view text) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) out.push_back(text.substr(start));
  return out;
}

}  // namespace

PrefixedText stripPrefixes(std::string_view text, bool hide) {
  PrefixedText out;
  out.text.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '&') {
      out.text.push_back(text[i++]);
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lone '&' at the end shows nothing
    if (text[i + 1] == '&') {
      out.text.push_back('&');
      i += 2;
      continue;
    }
    size_t len = std::min(utf8Length(static_cast<unsigned char>(text[i + 1])), text.size() - i - 1);
    int begin = static_cast<int>(out.text.size());
    out.text.append(text.substr(i + 1, len));
    char c = text[i + 1];
    if (!hide && c != ' ' && c != '\t' && c != '\r' && c != '\n') {
      out.underlines.push_back({begin, static_cast<int>(out.text.size())});
    }
    i += 1 + len;
  }
  return out;
}

int TextBlock::width() const {
  int w = 0;
  for (const TextLine& l : lines_) w = std::max(w, l.width);
  return w;
}

TextBlock TextBlock::build(const Font& font, std::string_view text, int maxWidth, unsigned flags) {
  std::string storage;
  text = validUtf8(text, storage);
  TextBlock block;
  const TextMetrics& m = TextEngine::instance().metrics(font);
  block.lineHeight_ = m.height;
  if (flags & DT_EXPANDTABS) block.tabWidth_ = 8 * std::max(m.averageCharWidth, 1);

  std::vector<std::string> paragraphs;
  if (flags & DT_SINGLELINE) {
    std::string one;
    one.reserve(text.size());
    for (char c : text) {
      if (c == '\n') one.push_back(' ');
      else if (c != '\r') one.push_back(c);
    }
    if (!one.empty()) paragraphs.push_back(std::move(one));
  } else {
    for (std::string_view p : splitParagraphs(text)) paragraphs.emplace_back(p);
  }

  for (std::string& p : paragraphs) {
    PrefixedText prefixed = (flags & DT_NOPREFIX) ? PrefixedText{std::move(p), {}} : stripPrefixes(p, (flags & DT_HIDEPREFIX) != 0);
    if (!(flags & DT_EXPANDTABS)) std::replace(prefixed.text.begin(), prefixed.text.end(), '\t', ' ');
    block.addParagraph(font, std::move(prefixed), maxWidth, flags);
  }
  return block;
}

void TextBlock::addParagraph(const Font& font, PrefixedText p, int maxWidth, unsigned flags) {
  TextEngine& engine = TextEngine::instance();
  const TextDirection direction = (flags & DT_RTLREADING) ? TextDirection::RightToLeft : TextDirection::Auto;
  PangoLayout* layout = engine.layout(font, {.text = p.text, .underlines = p.underlines, .tabWidth = tabWidth_, .direction = direction});
  const int totalWidth = TextEngine::pixelWidth(layout);
  const bool wrap = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE) && maxWidth > 0;
  const bool ellipsis = (flags & kEllipsisFlags) && maxWidth > 0;
  if (totalWidth <= maxWidth || (!wrap && !ellipsis)) {
    lines_.push_back({std::move(p.text), std::move(p.underlines), totalWidth});
    return;
  }

  const std::vector<Cluster> clusters = TextEngine::clusters(layout);
  const size_t n = clusters.size();
  std::vector<long long> before(n + 1, 0);  // advance of the clusters before each one
  for (size_t i = 0; i < n; ++i) before[i + 1] = before[i] + clusters[i].advance;
  auto byteAt = [&](size_t ci) { return ci < n ? clusters[ci].byteIndex : static_cast<int>(p.text.size()); };
  auto isSpace = [&](size_t ci) { return p.text[static_cast<size_t>(clusters[ci].byteIndex)] == ' '; };
  auto emit = [&](size_t from, size_t to, int width) {
    int b = byteAt(from), e = byteAt(to);
    lines_.push_back({p.text.substr(static_cast<size_t>(b), static_cast<size_t>(e - b)), rangesWithin(p.underlines, b, e), width});
  };

  if (!wrap) {
    // End ellipsis: as many clusters as fit together with "...".
    const int ellipsisWidth = TextEngine::pixelWidth(engine.layout(font, {.text = kEllipsis, .direction = direction}));
    size_t keep = 0;
    while (keep < n && pixels(before[keep + 1]) + ellipsisWidth <= maxWidth) ++keep;
    int cut = byteAt(keep);
    TextLine line{p.text.substr(0, static_cast<size_t>(cut)) + std::string(kEllipsis), rangesWithin(p.underlines, 0, cut),
                  pixels(before[keep]) + ellipsisWidth};
    lines_.push_back(std::move(line));
    return;
  }

  // Word wrapping: lines break at spaces, which are dropped at the break; a word wider than the
  // rectangle is broken between characters.
  size_t start = 0;
  while (start < n) {
    size_t end = start;
    bool any = false;
    size_t i = start;
    while (i < n) {
      size_t wordBegin = i;
      while (wordBegin < n && isSpace(wordBegin)) ++wordBegin;
      size_t wordEnd = wordBegin;
      while (wordEnd < n && !isSpace(wordEnd)) ++wordEnd;
      if (wordEnd == wordBegin) break;  // only spaces up to the end
      if (pixels(before[wordEnd] - before[start]) <= maxWidth) {
        end = wordEnd;
        any = true;
        i = wordEnd;
        continue;
      }
      if (any) break;
      size_t fit = wordBegin + 1;
      while (fit < wordEnd && pixels(before[fit + 1] - before[start]) <= maxWidth) ++fit;
      end = fit;
      break;
    }
    emit(start, end, pixels(before[end] - before[start]));
    start = end;
    while (start < n && isSpace(start)) ++start;
  }
}

}  // namespace tavra
