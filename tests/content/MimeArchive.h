#pragma once
// A small, independent reader of web archives for the content tests: splits a MIME message into
// parts, unfolds headers and undoes quoted-printable and base64, strictly, so that anything a
// careful decoder might trip over is reported. It shares no code with the builder.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavra::test {

struct MimeHeaders {
  std::map<std::string, std::string> fields;  // lower-case names, unfolded values
  std::string get(const std::string& name) const;
  // Main value ("text/html") and parameters (lower-case names, unquoted values).
  std::string mainValue(const std::string& name) const;
  std::string parameter(const std::string& name, const std::string& parameterName) const;
};

struct MimePart {
  MimeHeaders headers;
  std::string body;     // decoded
};

struct MimeArchive {
  MimeHeaders headers;              // of the whole message
  std::vector<MimePart> parts;      // one part for a single-part archive
  std::vector<std::string> errors;  // empty when the archive is well formed

  static MimeArchive read(std::string_view bytes);
};

// Strict decoders; on malformed input they append to errors.
std::string decodeQuotedPrintable(std::string_view text, std::vector<std::string>& errors);
std::string decodeBase64(std::string_view text, std::vector<std::string>& errors);
// "=?windows-1251?B?...?=" words separated by folding blanks; the bytes of the words.
std::string decodeHeaderWords(std::string_view value, std::vector<std::string>& errors);

}  // namespace tavra::test
