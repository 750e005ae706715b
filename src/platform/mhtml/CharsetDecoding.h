#pragma once
// Text of archive parts to UTF-8: conversion from a named charset through iconv, the charset an
// HTML text declares for itself (<meta charset> or <meta http-equiv="Content-Type">), byte
// order marks, and RFC 2047 encoded words in header values.
#include <string>
#include <string_view>

namespace tavra {

// Converts text in `charset` to UTF-8; bytes that do not convert become U+FFFD. Returns
// false in `known` (when given) if iconv does not know the charset; the text is then returned
// as UTF-8 if it is valid UTF-8, else read as windows-1251, the course's charset.
std::string convertToUtf8(std::string_view bytes, std::string_view charset, bool* known = nullptr);

// The charset named by the first <meta charset=…> or <meta http-equiv="Content-Type"
// content="…; charset=…"> within the first kMetaScanBytes bytes, lower case; empty when none.
std::string findHtmlMetaCharset(std::string_view html);
inline constexpr size_t kMetaScanBytes = 64 * 1024;

// The HTML of a part as UTF-8: a byte order mark decides first; then the declared charset,
// unless it is missing or us-ascii, where the page's <meta> decides; missing everywhere, UTF-8
// if the bytes are valid UTF-8, else windows-1251. The byte order mark is removed.
std::string decodeHtmlText(std::string_view bytes, std::string_view declaredCharset);

// Decodes RFC 2047 encoded words ("=?windows-1251?Q?=F2=E5?=") in a header value to UTF-8.
std::string decodeEncodedWords(std::string_view value);

bool isValidUtf8(std::string_view bytes);

}  // namespace tavra
