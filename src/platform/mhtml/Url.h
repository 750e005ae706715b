#pragma once
// URL helpers for pages: resolving references against a base, the keys under which archive
// parts are matched, and conversion between file: URLs and local paths.
#include <string>
#include <string_view>

namespace tavra {

// Lower-case scheme of an absolute URL ("file", "http", "cid"), or empty for a relative one.
// A Windows drive path ("C:\dir") has no scheme.
std::string urlScheme(std::string_view url);

// Resolves a reference against a base as a browser does (RFC 3986 merge and dot segments).
// Backslashes in file: URLs and drive paths become slashes; a drive path ("C:\x") becomes a
// file: URL. A relative base is merged as a relative path.
std::string resolveUrl(std::string_view base, std::string_view reference);

// %XX sequences decoded to bytes; malformed ones are kept.
std::string percentDecode(std::string_view text);

// The key an archive matches a URL by: fragment dropped, percent-decoded; file: URLs and
// relative ones also upper-cased (ASCII and Cyrillic), since their file systems ignore case;
// cid: and mid: in lower case without angle brackets.
std::string urlMatchKey(std::string_view url);

// The part after '#', without it; empty when there is none.
std::string_view urlFragment(std::string_view url);
std::string_view urlWithoutFragment(std::string_view url);

// "file:///dir/a%20b.mht" for "/dir/a b.mht" (relative paths are made absolute first).
std::string fileUrlFromPath(std::string_view path);
// The local path of a file: URL ("file:///dir/a%20b.mht" → "/dir/a b.mht"), or empty for
// other URLs.
std::string pathFromFileUrl(std::string_view url);

}  // namespace tavra
