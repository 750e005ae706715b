#pragma once
// Content-Transfer-Encoding decoders. Damaged input never fails: base64 skips characters
// outside its alphabet, quoted-printable keeps a malformed '=' as it is.
#include <string>
#include <string_view>

namespace tavra {

// Quoted-printable: =XX in either case, soft line breaks ("=" at a line end, CRLF or LF, with
// blanks allowed between), blanks at the end of encoded lines dropped.
std::string decodeQuotedPrintable(std::string_view text);

// Base64: characters outside the alphabet are skipped; '=' ends a group, and a final partial
// group gives the bytes it holds.
std::string decodeBase64(std::string_view text);

// Decodes by the name of a Content-Transfer-Encoding (any case); 7bit, 8bit, binary and
// unknown encodings are taken as they are.
std::string decodeTransferEncoding(std::string_view encoding, std::string_view body);

}  // namespace tavra
