#include "skin/hints/TsHtml.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace tavra {
namespace {

std::string upperAscii(std::string_view s) {
  std::string u(s);
  for (char& c : u) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return u;
}

bool isSeparator(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '"' || c == '<' || c == '=' || c == '>'; }

// The words of a tag with their offsets in it.
std::vector<std::pair<std::string, size_t>> wordsOf(std::string_view tag) {
  std::vector<std::pair<std::string, size_t>> words;
  size_t i = 0;
  while (i < tag.size()) {
    while (i < tag.size() && isSeparator(tag[i])) ++i;
    const size_t start = i;
    while (i < tag.size() && !isSeparator(tag[i])) ++i;
    if (i > start) words.emplace_back(std::string(tag.substr(start, i - start)), start);
  }
  return words;
}

bool parseInt(const std::string& word, int& value) {
  if (word.empty() || word.size() > 9) return false;
  size_t i = (word[0] == '+' || word[0] == '-') ? 1 : 0;
  if (i == word.size()) return false;
  int v = 0;
  for (; i < word.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(word[i]))) return false;
    v = v * 10 + (word[i] - '0');
  }
  value = word[0] == '-' ? -v : v;
  return true;
}

// A hexadecimal RRGGBB (a trailing H dropped); black when a character is not a hex digit.
Color hexColor(std::string word) {
  if (!word.empty() && word.back() == 'H') word.pop_back();
  if (word.empty() || word.size() > 8) return 0;
  unsigned v = 0;
  for (char c : word) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return 0;
    v = v * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'A' + 10);
  }
  return rgb(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

Color namedOrHexColor(const std::string& word) {
  struct Named {
    const char* name;
    Color color;
  };
  static constexpr std::array<Named, 16> kNames = {{
      {"AQUA", rgb(0x00, 0xFF, 0xFF)},   {"BLACK", rgb(0x00, 0x00, 0x00)},  {"BLUE", rgb(0x00, 0x00, 0xFF)},
      {"FUCHSIA", rgb(0xFF, 0x00, 0xFF)}, {"GRAY", rgb(0x80, 0x80, 0x80)},   {"GREEN", rgb(0x00, 0x80, 0x00)},
      {"LIME", rgb(0x00, 0xFF, 0x00)},   {"MAROON", rgb(0x80, 0x00, 0x00)}, {"NAVY", rgb(0x00, 0x00, 0x80)},
      {"OLIVE", rgb(0x80, 0x80, 0x00)},  {"PURPLE", rgb(0x80, 0x00, 0x80)}, {"RED", rgb(0xFF, 0x00, 0x00)},
      {"SILVER", rgb(0xC0, 0xC0, 0xC0)}, {"TEAL", rgb(0x00, 0x80, 0x80)},   {"WHITE", rgb(0xFF, 0xFF, 0xFF)},
      {"YELLOW", rgb(0xFF, 0xFF, 0x00)},
  }};
  if (!word.empty() && word[0] == '#') return hexColor(word.substr(1));
  for (const Named& n : kNames) {
    if (word == n.name) return n.color;
  }
  return hexColor(word);
}

int pointsOf(const Font& f) { return (f.height * 72 + 48) / 96; }

// Applies the attributes of a FONT tag (upper-cased `tag`, `original` as written).
void applyFontTag(Font& font, std::string_view tag, std::string_view original) {
  const auto words = wordsOf(tag);
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i].first;
    if (w == "SIZE" && i + 1 < words.size()) {
      int n = 0;
      const std::string& value = words[i + 1].first;
      if (parseInt(value, n)) {
        const bool relative = value[0] == '+' || value[0] == '-';
        const int points = std::clamp(relative ? pointsOf(font) + n : n, 1, TsHtml::kMaxFontPoints);
        font.height = pointsToPixels(points);
      }
      ++i;
    } else if (w == "COLOR" && i + 1 < words.size()) {
      font.color = namedOrHexColor(words[i + 1].first);
      ++i;
    } else if (w == "FACE") {
      const size_t open = original.find('"', words[i].second + 4);
      const size_t close = open == std::string_view::npos ? open : original.find('"', open + 1);
      if (close != std::string_view::npos) font.name = std::string(original.substr(open + 1, close - open - 1));
    }
  }
}

}  // namespace

Rect TsHtml::render(Canvas& canvas, std::string_view text, const Rect& r, Mode mode) {
  Canvas::StateSaver saver(canvas);
  const std::string upper = upperAscii(text);
  std::vector<Font> saved;
  Point pen = r.topLeft();
  int lineHeight = 0;
  int widest = 0;

  auto run = [&](std::string_view s) {
    std::string out;
    for (char c : s) {
      if (c != '\r' && c != '\n') out += c;
    }
    if (out.empty()) return;
    if (mode == Mode::Draw) canvas.textOut(pen.x, pen.y, out);
    pen.x += canvas.textWidth(out);
    lineHeight = std::max(lineHeight, canvas.textExtent("X").height);
    widest = std::max(widest, pen.x - r.left);
  };
  auto newLine = [&] {
    pen.x = r.left;
    pen.y += lineHeight + 2;
    lineHeight = 0;
  };
  auto setStyle = [&](unsigned bit, bool on) {
    Font f = canvas.font();
    f.style = on ? (f.style | bit) : (f.style & ~bit);
    canvas.setFont(f);
  };

  size_t pos = 0;
  while (pos < text.size()) {
    const size_t lt = text.find('<', pos);
    run(text.substr(pos, lt == std::string_view::npos ? std::string_view::npos : lt - pos));
    if (lt == std::string_view::npos) break;
    if (lt + 1 < text.size() && text[lt + 1] == '<') {
      run("<");
      pos = lt + 2;
      continue;
    }
    const size_t gt = text.find('>', lt);
    if (gt == std::string_view::npos) break;
    const std::string_view tag = std::string_view(upper).substr(lt, gt - lt + 1);
    const std::string_view original = text.substr(lt, gt - lt + 1);
    // Positions count from 1 at the "<".
    auto at = [&tag](std::string_view name) { return tag.find(name) + 1; };
    if (at("/") == 2) {
      if (at("B") == 3) setStyle(fsBold, false);
      else if (at("I") == 3) setStyle(fsItalic, false);
      else if (at("FONT") == 3 && !saved.empty()) {
        canvas.setFont(saved.back());
        saved.pop_back();
      }
    } else if (at("BR") == 2) {
      newLine();
    } else if (at("B") == 2) {
      setStyle(fsBold, true);
    } else if (at("I") == 2) {
      setStyle(fsItalic, true);
    } else if (at("P") == 2) {
      newLine();  // its ALIGN attribute changes nothing
    } else if (at("FONT") == 2) {
      if (static_cast<int>(saved.size()) < kMaxFontDepth) saved.push_back(canvas.font());
      Font f = canvas.font();
      applyFontTag(f, tag, original);
      canvas.setFont(f);
    }
    pos = gt + 1;
  }
  return {0, 0, widest, pen.y - r.top + lineHeight};
}

}  // namespace tavra
