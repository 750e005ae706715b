#pragma once
// The header block of a MIME entity: fields unfolded, names matched ignoring case, structured
// values ("text/html; charset=\"windows-1251\"") split into a value and parameters. Bounded:
// over-long fields are cut and fields beyond the limit ignored.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavra {

// A structured field value: the main value in lower case and its parameters (names in lower
// case, values unquoted).
struct MimeHeaderValue {
  std::string value;
  std::vector<std::pair<std::string, std::string>> parameters;

  // The parameter's value, or empty.
  std::string parameter(std::string_view name) const;

  static MimeHeaderValue parse(std::string_view text);
};

class MimeHeaders {
 public:
  static constexpr size_t kMaxFields = 512;
  static constexpr size_t kMaxFieldBytes = 16 * 1024;

  // Parses the lines of a header block (without the blank line that ends it); CRLF or LF.
  static MimeHeaders parse(std::string_view block);

  // The first field of that name, unfolded (line breaks removed, their blanks kept) and
  // trimmed; empty when absent.
  std::string get(std::string_view name) const;
  // A field holding a URI, whose folding blanks are removed as well.
  std::string getUri(std::string_view name) const;
  bool has(std::string_view name) const;
  bool empty() const { return fields_.empty(); }

  // True when the line has the form of a header field ("Name: value").
  static bool looksLikeField(std::string_view line);

 private:
  struct Field {
    std::string name;
    std::string value;  // folds kept as '\n' followed by the continuation line
  };
  const Field* find(std::string_view name) const;

  std::vector<Field> fields_;
};

}  // namespace tavra
