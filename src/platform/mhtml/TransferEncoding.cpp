#include "platform/mhtml/TransferEncoding.h"

#include <algorithm>

#include "base/Text.h"

namespace tavra {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+' || c == '-') return 62;  // '-' and '_': the URL-safe alphabet
  if (c == '/' || c == '_') return 63;
  return -1;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string decodeQuotedPrintable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '=') {
      // Soft line break: '=', optional blanks, then CRLF, LF or the end of the text.
      size_t j = i + 1;
      while (j < text.size() && isBlank(text[j])) ++j;
      if (j == text.size()) {
        i = j;
        continue;
      }
      if (text[j] == '\n') {
        i = j + 1;
        continue;
      }
      if (text[j] == '\r' && (j + 1 == text.size() || text[j + 1] == '\n')) {
        i = std::min(j + 2, text.size());
        continue;
      }
      if (i + 2 < text.size()) {
        int hi = hexValue(text[i + 1]);
        int lo = hexValue(text[i + 2]);
        if (hi >= 0 && lo >= 0) {
          out.push_back(static_cast<char>(hi * 16 + lo));
          i += 3;
          continue;
        }
      }
      out.push_back('=');  // malformed: kept as it is
      ++i;
      continue;
    }
    if (isBlank(c)) {
      // Blanks at the end of a line were added in transport: drop them.
      size_t j = i;
      while (j < text.size() && isBlank(text[j])) ++j;
      bool atLineEnd = j == text.size() || text[j] == '\n' || (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n');
      if (!atLineEnd) out.append(text.substr(i, j - i));
      i = j;
      continue;
    }
    out.push_back(c);
    ++i;
  }
  return out;
}

std::string decodeBase64(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 4 * 3 + 3);
  unsigned accumulator = 0;
  int count = 0;
  auto flushPartial = [&] {
    // 2 characters hold one byte, 3 hold two; a single character holds none.
    if (count == 2) out.push_back(static_cast<char>((accumulator >> 4) & 0xFF));
    if (count == 3) {
      out.push_back(static_cast<char>((accumulator >> 10) & 0xFF));
      out.push_back(static_cast<char>((accumulator >> 2) & 0xFF));
    }
    accumulator = 0;
    count = 0;
  };
  for (char c : text) {
    if (c == '=') {
      flushPartial();
      continue;
    }
    int v = base64Value(c);
    if (v < 0) continue;
    accumulator = (accumulator << 6) | static_cast<unsigned>(v);
    if (++count == 4) {
      out.push_back(static_cast<char>((accumulator >> 16) & 0xFF));
      out.push_back(static_cast<char>((accumulator >> 8) & 0xFF));
      out.push_back(static_cast<char>(accumulator & 0xFF));
      accumulator = 0;
      count = 0;
    }
  }
  flushPartial();
  return out;
}

std::string decodeTransferEncoding(std::string_view encoding, std::string_view body) {
  std::string name = toLowerAscii(trimmed(encoding));
  if (name == "base64") return decodeBase64(body);
  if (name == "quoted-printable") return decodeQuotedPrintable(body);
  return std::string(body);
}

}  // namespace tavra
