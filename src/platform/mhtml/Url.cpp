#include "platform/mhtml/Url.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "base/Text.h"

namespace tavra {
namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isDrivePath(std::string_view s) {
  return s.size() >= 3 && isAlpha(s[0]) && s[1] == ':' && (s[2] == '\\' || s[2] == '/');
}

// Browsers drop leading and trailing blanks and control characters, and tabs and line breaks
// anywhere in a URL.
std::string cleaned(std::string_view url) {
  std::string out;
  out.reserve(url.size());
  for (char c : trimmed(url)) {
    if (c != '\t' && c != '\n' && c != '\r') out.push_back(c);
  }
  return out;
}

void replaceBackslashes(std::string& s) {
  for (char& c : s) {
    if (c == '\\') c = '/';
  }
}

struct SplitUrl {
  std::string scheme;      // without ':'
  bool hasAuthority = false;
  std::string authority;
  std::string path;
  std::string query;       // with '?'
};

SplitUrl splitUrl(std::string_view url) {
  SplitUrl out;
  std::string scheme = urlScheme(url);
  if (!scheme.empty()) {
    out.scheme = scheme;
    url.remove_prefix(scheme.size() + 1);
  }
  url = urlWithoutFragment(url);
  if (url.substr(0, 2) == "//") {
    out.hasAuthority = true;
    url.remove_prefix(2);
    size_t end = url.find_first_of("/?");
    out.authority = std::string(url.substr(0, end));
    url = end == std::string_view::npos ? std::string_view{} : url.substr(end);
  }
  size_t q = url.find('?');
  out.path = std::string(url.substr(0, q));
  if (q != std::string_view::npos) out.query = std::string(url.substr(q));
  return out;
}

// RFC 3986 remove_dot_segments, also for relative paths (a leading ".." that cannot go up is
// kept for relative paths and dropped for absolute ones).
std::string removeDotSegments(const std::string& path) {
  bool absolute = !path.empty() && path[0] == '/';
  std::vector<std::string> segments;
  size_t pos = absolute ? 1 : 0;
  bool trailingSlash = false;
  while (pos <= path.size()) {
    size_t end = path.find('/', pos);
    std::string seg = path.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    bool last = end == std::string::npos;
    trailingSlash = false;
    if (seg == ".") {
      trailingSlash = last;
    } else if (seg == "..") {
      if (!segments.empty() && segments.back() != "..") {
        segments.pop_back();
      } else if (!absolute) {
        segments.push_back(seg);
      }
      trailingSlash = last;
    } else {
      segments.push_back(seg);
    }
    if (last) break;
    pos = end + 1;
  }
  std::string out = absolute ? "/" : "";
  for (size_t i = 0; i < segments.size(); ++i) {
    if (i > 0) out += '/';
    out += segments[i];
  }
  if (trailingSlash && !segments.empty()) out += '/';
  return out;
}

std::string joinUrl(const SplitUrl& u) {
  std::string out;
  if (!u.scheme.empty()) out = u.scheme + ":";
  if (u.hasAuthority) out += "//" + u.authority;
  out += u.path;
  out += u.query;
  return out;
}

}  // namespace

std::string urlScheme(std::string_view url) {
  if (url.empty() || !isAlpha(url[0])) return {};
  size_t i = 1;
  while (i < url.size() && (isAlpha(url[i]) || isDigit(url[i]) || url[i] == '+' || url[i] == '-' || url[i] == '.')) ++i;
  // One letter before ':' is a drive letter, not a scheme.
  if (i >= url.size() || url[i] != ':' || i < 2) return {};
  return toLowerAscii(url.substr(0, i));
}

std::string_view urlFragment(std::string_view url) {
  size_t hash = url.find('#');
  return hash == std::string_view::npos ? std::string_view{} : url.substr(hash + 1);
}

std::string_view urlWithoutFragment(std::string_view url) { return url.substr(0, url.find('#')); }

std::string resolveUrl(std::string_view baseUrl, std::string_view reference) {
  std::string ref = cleaned(reference);
  if (isDrivePath(ref)) {
    replaceBackslashes(ref);
    return "file:///" + ref;
  }
  std::string refScheme = urlScheme(ref);
  if (!refScheme.empty()) {
    if (refScheme == "file") replaceBackslashes(ref);
    return ref;
  }
  std::string base = cleaned(baseUrl);
  if (isDrivePath(base)) base = "file:///" + base;
  std::string baseScheme = urlScheme(base);
  if (baseScheme == "file" || baseScheme.empty()) {
    replaceBackslashes(base);
    replaceBackslashes(ref);
  }
  if (base.empty()) {
    size_t tail = std::min(ref.size(), ref.find_first_of("?#"));
    return removeDotSegments(ref.substr(0, tail)) + ref.substr(tail);
  }
  SplitUrl b = splitUrl(base);
  if (ref.empty()) return std::string(urlWithoutFragment(base));
  if (ref[0] == '#') return std::string(urlWithoutFragment(base)) + ref;
  // A base that is not hierarchical (cid:, mailto:) resolves nothing.
  if (!b.scheme.empty() && !b.hasAuthority && (b.path.empty() || b.path[0] != '/')) return ref;

  std::string fragment;
  if (size_t hash = ref.find('#'); hash != std::string::npos) {
    fragment = ref.substr(hash);
    ref.erase(hash);
  }
  SplitUrl r = b;
  if (ref.substr(0, 2) == "//") {
    r = splitUrl(b.scheme.empty() ? ref : b.scheme + ":" + ref);
    r.path = removeDotSegments(r.path);
  } else if (!ref.empty() && ref[0] == '?') {
    r.query = ref;
  } else {
    std::string refPath = ref;
    r.query.clear();
    if (size_t q = refPath.find('?'); q != std::string::npos) {
      r.query = refPath.substr(q);
      refPath.erase(q);
    }
    if (!refPath.empty() && refPath[0] == '/') {
      r.path = removeDotSegments(refPath);
    } else {
      std::string merged;
      if (b.hasAuthority && b.path.empty()) {
        merged = "/" + refPath;
      } else {
        size_t slash = b.path.rfind('/');
        merged = (slash == std::string::npos ? std::string() : b.path.substr(0, slash + 1)) + refPath;
      }
      r.path = removeDotSegments(merged);
    }
  }
  return joinUrl(r) + fragment;
}

std::string percentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      int hi = hexValue(text[i + 1]);
      int lo = hexValue(text[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out.push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string urlMatchKey(std::string_view url) {
  std::string u = cleaned(url);
  std::string scheme = urlScheme(u);
  if (scheme == "cid" || scheme == "mid") {
    // Content-IDs are matched ignoring case, percent-encoding and angle brackets.
    std::string id = percentDecode(std::string_view(u).substr(4));
    if (id.size() >= 2 && id.front() == '<' && id.back() == '>') id = id.substr(1, id.size() - 2);
    return scheme + ":" + toLowerAscii(id);
  }
  std::string key = percentDecode(urlWithoutFragment(u));
  if (scheme.empty() || scheme == "file") {
    replaceBackslashes(key);
    if (scheme == "file" && toLowerAscii(std::string_view(key).substr(0, 17)) == "file://localhost/") {
      key = "file:///" + key.substr(17);
    }
    return toUpperUtf8(key);
  }
  return scheme + key.substr(scheme.size());
}

std::string fileUrlFromPath(std::string_view path) {
  std::error_code ec;
  std::filesystem::path p{std::string(path)};
  std::string absolute = p.is_absolute() ? p.string() : std::filesystem::absolute(p, ec).string();
  if (ec) absolute = std::string(path);
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "file://";
  if (absolute.empty() || absolute[0] != '/') out += '/';
  for (unsigned char c : absolute) {
    bool plain = isAlpha(static_cast<char>(c)) || isDigit(static_cast<char>(c)) ||
                 std::string_view("/-._~:@!$&'()*+,;=").find(static_cast<char>(c)) != std::string_view::npos;
    if (plain) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    }
  }
  return out;
}

std::string pathFromFileUrl(std::string_view url) {
  std::string u = cleaned(url);
  if (urlScheme(u) != "file") return {};
  SplitUrl s = splitUrl(u);
  std::string path = percentDecode(s.path);
  replaceBackslashes(path);
  if (path.empty() || path[0] != '/') path = "/" + path;
  return path;
}

}  // namespace tavra
