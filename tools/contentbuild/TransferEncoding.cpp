#include "contentbuild/TransferEncoding.h"

#include <array>

namespace tavra::content {
namespace {

constexpr std::size_t kMaxLine = 76;
constexpr char kHex[] = "0123456789ABCDEF";
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool needsEscape(unsigned char c) {
  return c == '=' || c >= 0x7F || (c < 0x20 && c != '\t');
}

// Encodes one input line (no line break) into QP output lines joined by soft breaks.
void encodeQpLine(std::string_view line, std::string& out) {
  std::size_t column = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    auto c = static_cast<unsigned char>(line[i]);
    const bool last = i + 1 == line.size();
    std::string piece;
    if (needsEscape(c) || (last && (c == ' ' || c == '\t'))) {
      piece = {'=', kHex[c >> 4], kHex[c & 15]};
    } else {
      piece = std::string(1, static_cast<char>(c));
    }
    // Keep room for the '=' of a soft break unless this is the line's last piece.
    const std::size_t limit = last ? kMaxLine : kMaxLine - 1;
    if (column + piece.size() > limit) {
      out += "=\r\n";
      column = 0;
    }
    out += piece;
    column += piece.size();
  }
}

}  // namespace

std::string encodeQuotedPrintable(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 11 / 10);
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool hasBreak = end != std::string_view::npos;
    if (!hasBreak) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    encodeQpLine(line, out);
    if (!hasBreak) break;
    out += "\r\n";
    start = end + 1;
  }
  return out;
}

std::string encodeBase64(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                       static_cast<unsigned char>(bytes[i + 1]) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += {kBase64[v >> 18], kBase64[(v >> 12) & 63], kBase64[(v >> 6) & 63], kBase64[v & 63]};
  }
  const std::size_t rest = bytes.size() - i;
  if (rest == 1) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    out += {kBase64[v >> 18], kBase64[(v >> 12) & 63], '=', '='};
  } else if (rest == 2) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                       static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += {kBase64[v >> 18], kBase64[(v >> 12) & 63], kBase64[(v >> 6) & 63], '='};
  }
  return out;
}

std::string encodeBase64Lines(std::string_view bytes) {
  const std::string flat = encodeBase64(bytes);
  std::string out;
  out.reserve(flat.size() + flat.size() / kMaxLine * 2 + 2);
  for (std::size_t i = 0; i < flat.size(); i += kMaxLine) {
    out += flat.substr(i, kMaxLine);
    out += "\r\n";
  }
  return out;
}

std::string encodeHeaderWords(std::string_view bytes, std::string_view charset) {
  const std::string prefix = "=?" + std::string(charset) + "?B?";
  // Encoded word = prefix + base64 + "?=", at most 75 characters; base64 grows by 4/3.
  const std::size_t maxBase64 = 75 - prefix.size() - 2;
  const std::size_t chunk = maxBase64 / 4 * 3;
  std::string out;
  for (std::size_t i = 0; i < bytes.size() || i == 0; i += chunk) {
    if (i > 0) out += "\r\n\t";
    out += prefix + encodeBase64(bytes.substr(i, chunk)) + "?=";
    if (bytes.empty()) break;
  }
  return out;
}

}  // namespace tavra::content
