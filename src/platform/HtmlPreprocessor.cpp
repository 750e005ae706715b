#include "platform/HtmlPreprocessor.h"

#include <cctype>

namespace tavra {
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithIgnoreCase(std::string_view text, size_t pos, std::string_view prefix) {
  if (pos + prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (lower(text[pos + i]) != prefix[i]) return false;
  }
  return true;
}

size_t findIgnoreCase(std::string_view text, std::string_view needle, size_t from) {
  for (size_t i = from; i + needle.size() <= text.size(); ++i) {
    if (lower(text[i]) == needle[0] && startsWithIgnoreCase(text, i, needle)) return i;
  }
  return std::string_view::npos;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// "vertical-align: -8.0pt" → "position:relative;top:8.0pt". Keywords (baseline, sub, super …)
// and percentages are left alone. Returns the number of input characters consumed, 0 if the
// text at `pos` is not such a declaration.
size_t rewriteVerticalAlign(std::string_view text, size_t pos, std::string& out) {
  constexpr std::string_view kName = "vertical-align";
  size_t i = pos + kName.size();
  while (i < text.size() && isSpace(text[i])) ++i;
  if (i >= text.size() || text[i] != ':') return 0;
  ++i;
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  size_t digitsStart = i;
  while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) ++i;
  if (i == digitsStart) return 0;
  size_t unitStart = i;
  while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
  std::string_view unit = text.substr(unitStart, i - unitStart);
  if (unit.empty()) return 0;  // a bare number or a percentage: not ours
  std::string_view digits = text.substr(digitsStart, unitStart - digitsStart);
  // Raised text moves up: the offset's sign flips.
  out += "position:relative;top:";
  if (!negative) out += '-';
  out += digits;
  out += unit;
  return i - pos;
}

}  // namespace

std::string stripCssCommentMarkers(std::string_view css) {
  std::string out;
  out.reserve(css.size());
  for (size_t i = 0; i < css.size();) {
    if (css.compare(i, 4, "<!--") == 0) {
      i += 4;
    } else if (css.compare(i, 3, "-->") == 0) {
      i += 3;
    } else {
      out.push_back(css[i++]);
    }
  }
  return out;
}

std::string preprocessPageHtml(std::string_view html) {
  std::string out;
  out.reserve(html.size() + html.size() / 16);
  size_t i = 0;
  while (i < html.size()) {
    char c = html[i];
    if (c == '<' && startsWithIgnoreCase(html, i, "<style")) {
      size_t open = html.find('>', i);
      if (open == std::string_view::npos) break;
      size_t close = findIgnoreCase(html, "</style", open);
      if (close == std::string_view::npos) close = html.size();
      out.append(html.substr(i, open + 1 - i));
      std::string css = stripCssCommentMarkers(html.substr(open + 1, close - open - 1));
      for (size_t k = 0; k < css.size();) {
        size_t used = (lower(css[k]) == 'v' && startsWithIgnoreCase(css, k, "vertical-align")) ? rewriteVerticalAlign(css, k, out) : 0;
        if (used) {
          k += used;
        } else {
          out.push_back(css[k++]);
        }
      }
      i = close;
      continue;
    }
    if ((c == 'v' || c == 'V') && startsWithIgnoreCase(html, i, "vertical-align")) {
      if (size_t used = rewriteVerticalAlign(html, i, out)) {
        i += used;
        continue;
      }
    }
    out.push_back(c);
    ++i;
  }
  if (i < html.size()) out.append(html.substr(i));
  return out;
}

}  // namespace tavra
