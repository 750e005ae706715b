#include "platform/mhtml/CharsetDecoding.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

#include "base/Text.h"
#include "platform/mhtml/MimeHeaders.h"
#include "platform/mhtml/TransferEncoding.h"

namespace tavra {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Names used in saved pages that iconv spells differently.
std::string iconvName(std::string_view charset) {
  std::string name = toLowerAscii(trimmed(charset));
  if (name == "x-mac-cyrillic" || name == "x-mac-ukrainian") return "MAC-CYRILLIC";
  if (name == "unicode" || name == "utf-16") return "UTF-16";
  if (name == "x-cp1251" || name == "win-1251") return "WINDOWS-1251";
  if (name == "ascii" || name == "us-ascii" || name == "iso-8859-1" || name == "latin1") {
    // Browsers read these labels as windows-1252, a superset.
    return "WINDOWS-1252";
  }
  return name;
}

std::string fallbackDecode(std::string_view bytes) {
  if (isValidUtf8(bytes)) return std::string(bytes);
  return cp1251ToUtf8(bytes);
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

size_t findIgnoreCase(std::string_view haystack, std::string_view needle, size_t from) {
  if (needle.empty() || haystack.size() < needle.size()) return std::string_view::npos;
  for (size_t i = from; i + needle.size() <= haystack.size(); ++i) {
    bool match = true;
    for (size_t k = 0; k < needle.size(); ++k) {
      char a = haystack[i + k];
      if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
      if (a != needle[k]) { match = false; break; }
    }
    if (match) return i;
  }
  return std::string_view::npos;
}

// Attributes of one tag: name (lower case) and value, the tag text starting after its name.
std::string tagAttribute(std::string_view tag, std::string_view wanted) {
  size_t i = 0;
  while (i < tag.size()) {
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t' || tag[i] == '\r' || tag[i] == '\n' || tag[i] == '/')) ++i;
    size_t nameStart = i;
    while (i < tag.size() && tag[i] != '=' && tag[i] != ' ' && tag[i] != '\t' && tag[i] != '\r' && tag[i] != '\n' && tag[i] != '/') ++i;
    std::string name = toLowerAscii(tag.substr(nameStart, i - nameStart));
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t' || tag[i] == '\r' || tag[i] == '\n')) ++i;
    std::string value;
    if (i < tag.size() && tag[i] == '=') {
      ++i;
      while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t' || tag[i] == '\r' || tag[i] == '\n')) ++i;
      if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
        char quote = tag[i++];
        size_t end = tag.find(quote, i);
        value = std::string(tag.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
        i = end == std::string_view::npos ? tag.size() : end + 1;
      } else {
        size_t start = i;
        while (i < tag.size() && tag[i] != ' ' && tag[i] != '\t' && tag[i] != '\r' && tag[i] != '\n') ++i;
        value = std::string(tag.substr(start, i - start));
      }
    }
    if (name.empty() && i == nameStart) ++i;  // a stray character: step over it
    if (name == wanted) return value;
  }
  return {};
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    auto c = static_cast<unsigned char>(bytes[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || (extra == 1 && c < 0xC2) || (extra == 3 && c > 0xF4)) return false;
    if (i + static_cast<size_t>(extra) >= bytes.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]) & 0xC0) != 0x80) return false;
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

std::string convertToUtf8(std::string_view bytes, std::string_view charset, bool* known) {
  std::string name = iconvName(charset);
  if (known) *known = true;
  if (name == "utf-8" || name == "utf8") {
    if (isValidUtf8(bytes)) return std::string(bytes);
    // Invalid sequences: let iconv replace them one by one below.
    name = "UTF-8";
  }
  iconv_t raw = iconv_open("UTF-8", name.c_str());
  if (raw == reinterpret_cast<iconv_t>(-1)) {
    if (known) *known = false;
    return fallbackDecode(bytes);
  }
  std::unique_ptr<void, IconvCloser> cd(raw);
  std::string out;
  out.reserve(bytes.size() * 2 + 16);
  char buffer[4096];
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t result = iconv(raw, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // An invalid or incomplete sequence: one replacement character, skip a byte, go on.
    out += kReplacement;
    ++in;
    --inLeft;
    iconv(raw, nullptr, nullptr, nullptr, nullptr);
  }
  // Flush a stateful encoding.
  char* outPtr = buffer;
  size_t outLeft = sizeof buffer;
  iconv(raw, nullptr, nullptr, &outPtr, &outLeft);
  out.append(buffer, static_cast<size_t>(outPtr - buffer));
  return out;
}

std::string findHtmlMetaCharset(std::string_view html) {
  html = html.substr(0, kMetaScanBytes);
  size_t pos = 0;
  while ((pos = findIgnoreCase(html, "<meta", pos)) != std::string_view::npos) {
    size_t start = pos + 5;
    size_t end = html.find('>', start);
    if (end == std::string_view::npos) end = html.size();
    std::string_view tag = html.substr(start, end - start);
    pos = end;
    std::string charset = tagAttribute(tag, "charset");
    if (charset.empty() && toLowerAscii(trimmed(tagAttribute(tag, "http-equiv"))) == "content-type") {
      charset = MimeHeaderValue::parse(tagAttribute(tag, "content")).parameter("charset");
    }
    charset = toLowerAscii(trimmed(charset));
    if (!charset.empty()) return charset;
  }
  return {};
}

std::string decodeHtmlText(std::string_view bytes, std::string_view declaredCharset) {
  if (startsWith(bytes, "\xEF\xBB\xBF")) return convertToUtf8(bytes.substr(3), "utf-8");
  if (startsWith(bytes, "\xFF\xFE")) return convertToUtf8(bytes.substr(2), "UTF-16LE");
  if (startsWith(bytes, "\xFE\xFF")) return convertToUtf8(bytes.substr(2), "UTF-16BE");
  std::string charset = toLowerAscii(trimmed(declaredCharset));
  if (charset.empty() || charset == "us-ascii" || charset == "ascii") {
    std::string meta = findHtmlMetaCharset(bytes);
    // A page cannot be UTF-16 if its <meta> was readable as ASCII.
    if (!meta.empty() && meta.find("16") == std::string::npos) charset = meta;
  }
  // Text declared as ASCII that is not: valid UTF-8 or else the course's windows-1251.
  if (charset.empty() || charset == "us-ascii" || charset == "ascii") return fallbackDecode(bytes);
  return convertToUtf8(bytes, charset);
}

std::string decodeEncodedWords(std::string_view value) {
  std::string out;
  size_t i = 0;
  bool lastWasEncoded = false;
  while (i < value.size()) {
    size_t start = value.find("=?", i);
    if (start == std::string_view::npos) {
      out.append(value.substr(i));
      break;
    }
    size_t q1 = value.find('?', start + 2);
    size_t q2 = q1 == std::string_view::npos ? q1 : value.find('?', q1 + 1);
    size_t end = q2 == std::string_view::npos ? q2 : value.find("?=", q2 + 1);
    if (end == std::string_view::npos) {
      out.append(value.substr(i));
      break;
    }
    std::string_view between = value.substr(i, start - i);
    // Blanks between two encoded words are dropped.
    if (!(lastWasEncoded && trimmed(between).empty())) out.append(between);
    std::string_view charset = value.substr(start + 2, q1 - start - 2);
    charset = charset.substr(0, charset.find('*'));  // RFC 2231 language suffix
    std::string_view encoding = value.substr(q1 + 1, q2 - q1 - 1);
    std::string_view text = value.substr(q2 + 1, end - q2 - 1);
    std::string decoded;
    if (encoding == "B" || encoding == "b") {
      decoded = decodeBase64(text);
    } else {
      std::string qp(text);
      for (char& c : qp) {
        if (c == '_') c = ' ';
      }
      decoded = decodeQuotedPrintable(qp);
    }
    out += convertToUtf8(decoded, charset);
    i = end + 2;
    lastWasEncoded = true;
  }
  return out;
}

}  // namespace tavra
