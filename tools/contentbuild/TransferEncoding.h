#pragma once
// The transfer encodings of a saved web archive: quoted-printable for the HTML part, base64 for
// images and RFC 2047 encoded words for non-ASCII header values. Lines end with CRLF.
#include <string>
#include <string_view>

namespace tavra::content {

// Quoted-printable with the input's line breaks (LF or CRLF) kept as hard CRLF breaks and lines
// longer than 76 characters split by soft breaks. '=', control bytes, bytes from 0x7F up and
// blanks before a line end are written as =XX.
std::string encodeQuotedPrintable(std::string_view bytes);

// Base64 in lines of 76 characters, each ending with CRLF.
std::string encodeBase64Lines(std::string_view bytes);
std::string encodeBase64(std::string_view bytes);

// A header value as one or more "=?charset?B?...?=" words joined by CRLF + tab, each word at
// most 75 characters and never splitting a byte sequence of the charset (single-byte charsets).
std::string encodeHeaderWords(std::string_view bytes, std::string_view charset);

}  // namespace tavra::content
