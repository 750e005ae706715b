#include "platform/page/HtmlPreprocessor.h"

#include <algorithm>
#include <cctype>

#include "platform/page/WordGlue.h"

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

// The end of a tag starting before `pos`: after the first '>' outside quotes.
size_t tagEnd(std::string_view html, size_t pos) {
  char quote = 0;
  for (size_t k = pos; k < html.size(); ++k) {
    char c = html[k];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      // Quotes count only as attribute values ("= '...'"), not as stray characters.
      size_t back = k;
      while (back > pos && isSpace(html[back - 1])) --back;
      if (back > pos && html[back - 1] == '=') quote = c;
    } else if (c == '>') {
      return k + 1;
    }
  }
  return html.size();
}

// Elements that nest: not void ones, and not those whose end tag is implied by the next one.
bool countsForNesting(std::string_view name) {
  static constexpr std::string_view kNotCounted[] = {
      "area", "base", "basefont", "br", "col", "embed", "frame", "hr", "img", "input", "isindex", "keygen", "link",
      "meta", "param", "source", "track", "wbr", "p", "li", "dt", "dd", "tr", "td", "th", "option", "optgroup",
      "thead", "tbody", "tfoot", "colgroup", "caption", "html", "head", "body"};
  for (std::string_view n : kNotCounted) {
    if (n == name) return false;
  }
  return true;
}

// A tag with its colspan and rowspan values limited to kMaxSpan: the layout engine allocates
// its table grid by them.
std::string limitSpans(std::string_view tag) {
  std::string out(tag);
  for (std::string_view attribute : {"colspan", "rowspan"}) {
    size_t pos = 0;
    while ((pos = findIgnoreCase(out, attribute, pos)) != std::string::npos) {
      size_t k = pos + attribute.size();
      pos = k;
      while (k < out.size() && isSpace(out[k])) ++k;
      if (k >= out.size() || out[k] != '=') continue;
      ++k;
      while (k < out.size() && (isSpace(out[k]) || out[k] == '"' || out[k] == '\'')) ++k;
      size_t digits = k;
      while (k < out.size() && std::isdigit(static_cast<unsigned char>(out[k]))) ++k;
      std::string_view number = std::string_view(out).substr(digits, k - digits);
      if (number.size() > 4 || (!number.empty() && std::stoi(std::string(number)) > kMaxSpan)) {
        out.replace(digits, k - digits, std::to_string(kMaxSpan));
      }
    }
  }
  return out;
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
  int depth = 0;  // open container elements, dropped ones included
  size_t i = 0;
  auto copyRewriting = [&out](std::string_view text) {
    for (size_t k = 0; k < text.size();) {
      size_t used = (lower(text[k]) == 'v' && startsWithIgnoreCase(text, k, "vertical-align")) ? rewriteVerticalAlign(text, k, out) : 0;
      if (used) {
        k += used;
      } else {
        out.push_back(text[k++]);
      }
    }
  };
  while (i < html.size()) {
    size_t lt = html.find('<', i);
    if (lt == std::string_view::npos) {
      out.append(html.substr(i));
      break;
    }
    out.append(html.substr(i, lt - i));
    i = lt;
    if (html.compare(i, 4, "<!--") == 0) {
      size_t end = html.find("-->", i + 4);
      end = end == std::string_view::npos ? html.size() : end + 3;
      out.append(html.substr(i, end - i));
      i = end;
      continue;
    }
    bool closing = i + 1 < html.size() && html[i + 1] == '/';
    size_t nameStart = i + (closing ? 2 : 1);
    size_t nameEnd = nameStart;
    while (nameEnd < html.size() && (std::isalnum(static_cast<unsigned char>(html[nameEnd])) || html[nameEnd] == ':' || html[nameEnd] == '-')) ++nameEnd;
    if (nameEnd == nameStart) {
      out.push_back('<');
      ++i;
      continue;
    }
    std::string name;
    for (size_t k = nameStart; k < nameEnd; ++k) name.push_back(lower(html[k]));
    size_t end = tagEnd(html, nameEnd);
    std::string_view tag = html.substr(i, end - i);
    i = end;
    if (!closing && (name == "style" || name == "script")) {
      // Raw text up to the closing tag: a style sheet gets its comment markers removed.
      size_t close = findIgnoreCase(html, name == "style" ? "</style" : "</script", i);
      if (close == std::string_view::npos) close = html.size();
      copyRewriting(tag);
      if (name == "style") {
        copyRewriting(stripCssCommentMarkers(html.substr(i, close - i)));
      } else {
        out.append(html.substr(i, close - i));
      }
      i = close;
      continue;
    }
    if (name == "td" || name == "th") {
      copyRewriting(limitSpans(tag));
      continue;
    }
    if (!countsForNesting(name) || (!closing && tag.size() >= 2 && tag[tag.size() - 2] == '/')) {
      copyRewriting(tag);
      continue;
    }
    if (closing) {
      if (depth <= kMaxNesting) copyRewriting(tag);
      depth = std::max(0, depth - 1);
    } else {
      ++depth;
      // Deeper nesting than any real page has: the layout engine's time grows with the square
      // of the depth, so such tags are left out (their text stays).
      if (depth <= kMaxNesting) copyRewriting(tag);
    }
  }
  return glueWords(out);
}

}  // namespace tavra
