#include "platform/mhtml/MimeHeaders.h"

#include "base/Text.h"
#include "platform/mhtml/Url.h"

namespace tavra {
namespace {

// Field names of real messages use letters, digits and '-' (and rarely '_' or '.'); being
// stricter than the grammar keeps markup such as "<p>a: b" from passing for a header.
bool isFieldNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
}

std::string_view stripCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

bool MimeHeaders::looksLikeField(std::string_view line) {
  size_t colon = line.find(':');
  if (colon == 0 || colon == std::string_view::npos) return false;
  for (size_t i = 0; i < colon; ++i) {
    if (!isFieldNameChar(line[i])) return false;
  }
  return true;
}

MimeHeaders MimeHeaders::parse(std::string_view block) {
  MimeHeaders headers;
  bool inField = false;  // the last field was accepted, so continuation lines belong to it
  while (!block.empty()) {
    size_t eol = block.find('\n');
    std::string_view line = stripCr(block.substr(0, eol));
    block = eol == std::string_view::npos ? std::string_view{} : block.substr(eol + 1);
    if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
      if (inField) {
        std::string& value = headers.fields_.back().value;
        if (value.size() + line.size() + 1 <= kMaxFieldBytes) {
          value += '\n';
          value += line;
        }
      }
      continue;
    }
    inField = false;
    if (!looksLikeField(line) || headers.fields_.size() >= kMaxFields) continue;
    size_t colon = line.find(':');
    Field field;
    field.name = toLowerAscii(line.substr(0, colon));
    field.value = std::string(line.substr(colon + 1, kMaxFieldBytes));
    headers.fields_.push_back(std::move(field));
    inField = true;
  }
  return headers;
}

const MimeHeaders::Field* MimeHeaders::find(std::string_view name) const {
  std::string lower = toLowerAscii(name);
  for (const Field& f : fields_) {
    if (f.name == lower) return &f;
  }
  return nullptr;
}

bool MimeHeaders::has(std::string_view name) const { return find(name) != nullptr; }

std::string MimeHeaders::get(std::string_view name) const {
  const Field* f = find(name);
  if (!f) return {};
  std::string out;
  out.reserve(f->value.size());
  for (char c : f->value) {
    if (c != '\n') out.push_back(c);
  }
  return std::string(trimmed(out));
}

std::string MimeHeaders::getUri(std::string_view name) const {
  const Field* f = find(name);
  if (!f) return {};
  std::string out;
  out.reserve(f->value.size());
  const std::string& v = f->value;
  for (size_t i = 0; i < v.size(); ++i) {
    if (v[i] == '\n') {
      while (i + 1 < v.size() && (v[i + 1] == ' ' || v[i + 1] == '\t')) ++i;
      continue;
    }
    out.push_back(v[i]);
  }
  return std::string(trimmed(out));
}

std::string MimeHeaderValue::parameter(std::string_view name) const {
  std::string lower = toLowerAscii(name);
  for (const auto& [key, value] : parameters) {
    if (key == lower) return value;
  }
  return {};
}

MimeHeaderValue MimeHeaderValue::parse(std::string_view text) {
  MimeHeaderValue out;
  size_t i = 0;
  auto skipBlanksAndComments = [&] {
    while (i < text.size()) {
      char c = text[i];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++i;
      } else if (c == '(') {
        int depth = 0;
        for (; i < text.size(); ++i) {
          if (text[i] == '\\') { ++i; continue; }
          if (text[i] == '(') ++depth;
          if (text[i] == ')' && --depth == 0) { ++i; break; }
        }
      } else {
        break;
      }
    }
  };
  // Reads a token or a quoted string up to one of the stop characters.
  auto readWord = [&](std::string_view stops) {
    std::string word;
    skipBlanksAndComments();
    if (i < text.size() && text[i] == '"') {
      for (++i; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) ++i;
        word.push_back(text[i]);
      }
      if (i < text.size()) ++i;  // closing quote
      skipBlanksAndComments();
      // Anything after the closing quote up to a stop is junk of a damaged header.
      while (i < text.size() && stops.find(text[i]) == std::string_view::npos) ++i;
      return word;
    }
    while (i < text.size() && stops.find(text[i]) == std::string_view::npos && text[i] != '(') word.push_back(text[i++]);
    skipBlanksAndComments();
    while (i < text.size() && stops.find(text[i]) == std::string_view::npos) ++i;
    return std::string(trimmed(word));
  };

  out.value = toLowerAscii(readWord(";"));
  while (i < text.size() && text[i] == ';') {
    ++i;
    std::string name = toLowerAscii(readWord("=;"));
    if (i < text.size() && text[i] == '=') {
      ++i;
      std::string value = readWord(";");
      // RFC 2231 extended form name*=charset'lang'value: keep the value, percent-decoded.
      if (!name.empty() && name.back() == '*') {
        name.pop_back();
        size_t second = value.find('\'', value.find('\'') + 1);
        if (second != std::string::npos) value = value.substr(second + 1);
        value = percentDecode(value);
      }
      if (!name.empty()) out.parameters.emplace_back(std::move(name), std::move(value));
    }
  }
  return out;
}

}  // namespace tavra
