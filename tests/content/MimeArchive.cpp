#include "content/MimeArchive.h"

#include <cctype>

namespace tavra::test {
namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case is legal but old writers never used it; treat it as a fault here
}

// Lines must end with CRLF; bare CR or LF is an error. Returns the lines without their breaks.
std::vector<std::string_view> crlfLines(std::string_view text, std::vector<std::string>& errors) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    if (lf == start || text[lf - 1] != '\r') {
      errors.push_back("a line ends with a bare LF");
      lines.push_back(text.substr(start, lf - start));
    } else {
      lines.push_back(text.substr(start, lf - 1 - start));
    }
    start = lf + 1;
    if (start == text.size()) lines.emplace_back();
  }
  return lines;
}

MimeHeaders parseHeaders(std::string_view block, std::vector<std::string>& errors) {
  MimeHeaders headers;
  std::string name, value;
  auto flush = [&] {
    if (!name.empty()) headers.fields[lower(name)] = std::string(trim(value));
    name.clear();
    value.clear();
  };
  for (std::string_view line : crlfLines(block, errors)) {
    if (line.empty()) continue;
    if ( (line.front() == ' ' || line.front() == '\t')) {
      if (name.empty()) errors.push_back("a folded header line without a header");
      value += " ";
      value += trim(line);
      continue;
    }
    flush();
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) {
      errors.push_back("bad header line \"" + std::string(line) + "\"");
      continue;
    }
    name = std::string(line.substr(0, colon));
    value = std::string(line.substr(colon + 1));
  }
  flush();
  return headers;
}

// Splits "headers CRLF CRLF body".
bool splitEntity(std::string_view entity, std::string_view& head, std::string_view& body) {
  const std::size_t gap = entity.find("\r\n\r\n");
  if (gap == std::string_view::npos) return false;
  head = entity.substr(0, gap);
  body = entity.substr(gap + 4);
  return true;
}

MimePart decodePart(std::string_view entity, std::vector<std::string>& errors) {
  MimePart part;
  std::string_view head, body;
  if (!splitEntity(entity, head, body)) {
    errors.push_back("a part without the blank line after its headers");
    return part;
  }
  part.headers = parseHeaders(head, errors);
  const std::string encoding = lower(part.headers.get("content-transfer-encoding"));
  if (encoding == "quoted-printable") part.body = decodeQuotedPrintable(body, errors);
  else if (encoding == "base64") part.body = decodeBase64(body, errors);
  else errors.push_back("unexpected transfer encoding \"" + encoding + "\"");
  return part;
}

}  // namespace

std::string MimeHeaders::get(const std::string& name) const {
  auto it = fields.find(lower(name));
  return it == fields.end() ? std::string() : it->second;
}

std::string MimeHeaders::mainValue(const std::string& name) const {
  const std::string value = get(name);
  return lower(trim(std::string_view(value).substr(0, value.find(';'))));
}

std::string MimeHeaders::parameter(const std::string& name, const std::string& parameterName) const {
  const std::string value = get(name);
  std::size_t at = value.find(';');
  while (at != std::string::npos) {
    const std::size_t next = value.find(';', at + 1);
    std::string_view item = trim(std::string_view(value).substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1));
    const auto eq = item.find('=');
    if (eq != std::string_view::npos && lower(trim(item.substr(0, eq))) == lower(parameterName)) {
      std::string_view v = trim(item.substr(eq + 1));
      if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
      return std::string(v);
    }
    at = next;
  }
  return {};
}

std::string decodeQuotedPrintable(std::string_view text, std::vector<std::string>& errors) {
  std::string out;
  const auto lines = crlfLines(text, errors);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    std::string_view line = lines[n];
    if (line.size() > 76) errors.push_back("a quoted-printable line longer than 76 characters");
    bool soft = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const auto c = static_cast<unsigned char>(line[i]);
      if (c == '=') {
        if (i + 1 == line.size()) { soft = true; break; }
        const int hi = i + 1 < line.size() ? hexValue(line[i + 1]) : -1;
        const int lo = i + 2 < line.size() ? hexValue(line[i + 2]) : -1;
        if (hi < 0 || lo < 0) {
          errors.push_back("a malformed '=' escape");
          out.push_back('=');
          continue;
        }
        out.push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
      } else if (c >= 0x7F || (c < 0x20 && c != '\t')) {
        errors.push_back("an unencoded byte in quoted-printable text");
        out.push_back(static_cast<char>(c));
      } else {
        if ((c == ' ' || c == '\t') && i + 1 == line.size()) errors.push_back("an unencoded blank at a line end");
        out.push_back(static_cast<char>(c));
      }
    }
    if (!soft && n + 1 < lines.size()) out += "\r\n";
  }
  return out;
}

std::string decodeBase64(std::string_view text, std::vector<std::string>& errors) {
  std::string out;
  unsigned buffer = 0;
  int bits = 0;
  int padding = 0;
  for (std::string_view line : crlfLines(text, errors)) {
    if (line.size() > 76) errors.push_back("a base64 line longer than 76 characters");
    for (char c : line) {
      int v;
      if (c >= 'A' && c <= 'Z') v = c - 'A';
      else if (c >= 'a' && c <= 'z') v = c - 'a' + 26;
      else if (c >= '0' && c <= '9') v = c - '0' + 52;
      else if (c == '+') v = 62;
      else if (c == '/') v = 63;
      else if (c == '=') { ++padding; continue; }
      else { errors.push_back("a character outside base64"); continue; }
      if (padding) errors.push_back("base64 data after padding");
      buffer = (buffer << 6) | static_cast<unsigned>(v);
      bits += 6;
      if (bits >= 8) {
        bits -= 8;
        out.push_back(static_cast<char>((buffer >> bits) & 0xFF));
      }
    }
  }
  if (padding > 2 || (bits == 0 && padding != 0) || (bits == 4 && padding != 2) || (bits == 2 && padding != 1)) {
    errors.push_back("bad base64 padding");
  }
  return out;
}

std::string decodeHeaderWords(std::string_view value, std::vector<std::string>& errors) {
  std::string out;
  std::size_t at = 0;
  while (at < value.size()) {
    if (value[at] == ' ' || value[at] == '\t') { ++at; continue; }
    const std::size_t end = value.find("?=", value.find("?B?", at) + 3);
    if (value.substr(at, 2) != "=?" || end == std::string_view::npos) {
      errors.push_back("a header value that is not encoded words");
      return out;
    }
    const std::string_view word = value.substr(at, end + 2 - at);
    if (word.size() > 75) errors.push_back("an encoded word longer than 75 characters");
    const std::size_t b = word.find("?B?");
    if (lower(word.substr(2, b - 2)) != "windows-1251") errors.push_back("an encoded word not in windows-1251");
    out += decodeBase64(word.substr(b + 3, word.size() - b - 5), errors);
    at = end + 2;
  }
  return out;
}

MimeArchive MimeArchive::read(std::string_view bytes) {
  MimeArchive archive;
  auto& errors = archive.errors;
  std::string_view head, body;
  if (!splitEntity(bytes, head, body)) {
    errors.push_back("no blank line after the message headers");
    return archive;
  }
  archive.headers = parseHeaders(head, errors);
  if (archive.headers.get("mime-version") != "1.0") errors.push_back("MIME-Version is not 1.0");
  const std::string type = archive.headers.mainValue("content-type");
  if (type == "text/html") {
    archive.parts.push_back(decodePart(bytes, errors));
    return archive;
  }
  if (type != "multipart/related") {
    errors.push_back("unexpected message type \"" + type + "\"");
    return archive;
  }
  const std::string boundary = archive.headers.parameter("content-type", "boundary");
  if (boundary.empty() || boundary.size() > 70) errors.push_back("a missing or overlong boundary");
  const std::string delimiter = "\r\n--" + boundary;
  // The first delimiter may start the body directly.
  std::string withBreak = "\r\n" + std::string(body);
  std::string_view rest = withBreak;
  std::size_t at = rest.find(delimiter);
  if (at == std::string_view::npos) {
    errors.push_back("no delimiter line");
    return archive;
  }
  bool closed = false;
  while (at != std::string_view::npos) {
    std::size_t lineEnd = rest.find("\r\n", at + delimiter.size());
    if (lineEnd == std::string_view::npos) lineEnd = rest.size();
    const std::string_view tail = rest.substr(at + delimiter.size(), lineEnd - at - delimiter.size());
    if (tail == "--") { closed = true; break; }
    if (!trim(tail).empty()) errors.push_back("text after a delimiter");
    const std::size_t next = rest.find(delimiter, lineEnd);
    if (next == std::string_view::npos) break;
    std::string_view entity = rest.substr(lineEnd + 2, next - lineEnd - 2);
    archive.parts.push_back(decodePart(entity, errors));
    at = next;
  }
  if (!closed) errors.push_back("the multipart is not closed by its final delimiter");
  if (archive.parts.empty()) errors.push_back("a multipart without parts");
  return archive;
}

}  // namespace tavra::test
