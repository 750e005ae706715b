#include "platform/mhtml/MhtmlDecoder.h"

#include "base/Text.h"
#include "platform/mhtml/CharsetDecoding.h"
#include "platform/mhtml/TransferEncoding.h"
#include "platform/mhtml/Url.h"

namespace tavra {
namespace {

std::string_view stripCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// A header line or the start of one ("Content-Locat").
bool looksLikeCutField(std::string_view line) {
  if (MimeHeaders::looksLikeField(line)) return true;
  for (char c : line) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')) return false;
  }
  return true;
}

bool isBlankLine(std::string_view line) { return trimmed(line).empty(); }

std::string stripAngles(std::string_view id) {
  id = trimmed(id);
  if (!id.empty() && id.front() == '<') id.remove_prefix(1);
  if (!id.empty() && id.back() == '>') id.remove_suffix(1);
  return std::string(trimmed(id));
}

bool isHtmlType(std::string_view type) { return type == "text/html" || type == "application/xhtml+xml"; }

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

}  // namespace

MhtmlDecoder::Entity MhtmlDecoder::splitEntity(std::string_view text) {
  Entity entity;
  size_t pos = 0;
  bool first = true;
  while (pos < text.size() && pos < MhtmlArchive::kMaxHeaderBlockBytes) {
    size_t eol = text.find('\n', pos);
    size_t next = eol == std::string_view::npos ? text.size() : eol + 1;
    std::string_view line = stripCr(text.substr(pos, next - pos - (eol == std::string_view::npos ? 0 : 1)));
    if (line.empty()) {
      entity.headers = MimeHeaders::parse(text.substr(0, pos));
      entity.body = text.substr(next);
      return entity;
    }
    bool continuation = !first && (line[0] == ' ' || line[0] == '\t');
    if (!first && eol == std::string_view::npos && !continuation && looksLikeCutField(line)) {
      // The data ends inside a header line: a part cut off in its headers has no body.
      entity.headers = MimeHeaders::parse(text);
      entity.body = {};
      return entity;
    }
    if (!continuation && !MimeHeaders::looksLikeField(line)) {
      // No blank line before the content: the body starts at the first line that is not a
      // header (a plain HTML file has no header at all).
      entity.headers = MimeHeaders::parse(text.substr(0, pos));
      entity.body = text.substr(pos);
      return entity;
    }
    first = false;
    pos = next;
  }
  // Headers up to the end (a part cut off in its headers), or an over-long block.
  entity.headers = MimeHeaders::parse(text.substr(0, pos));
  entity.body = text.substr(pos);
  return entity;
}

std::vector<std::string_view> MhtmlDecoder::splitMultipart(std::string_view body, std::string_view boundary) {
  std::vector<std::string_view> parts;
  if (boundary.empty()) return parts;
  std::string delimiter = "--" + std::string(boundary);
  size_t partStart = std::string_view::npos;  // set after the first delimiter line
  size_t pos = 0;
  while (pos < body.size()) {
    size_t found = body.find(delimiter, pos);
    if (found == std::string_view::npos) break;
    pos = found + delimiter.size();
    if (found > 0 && body[found - 1] != '\n') continue;  // not at a line start
    std::string_view rest = body.substr(pos);
    bool closing = rest.substr(0, 2) == "--";
    size_t eol = rest.find('\n');
    std::string_view tail = rest.substr(closing ? 2 : 0, eol == std::string_view::npos ? std::string_view::npos : eol - (closing ? 2 : 0));
    // A longer boundary that starts with ours is not ours.
    if (!isBlankLine(tail) && !closing) continue;
    if (partStart != std::string_view::npos) {
      // The line break before the delimiter belongs to the delimiter.
      size_t end = found;
      if (end > partStart && body[end - 1] == '\n') --end;
      if (end > partStart && body[end - 1] == '\r') --end;
      parts.push_back(body.substr(partStart, end - partStart));
      if (parts.size() >= MhtmlArchive::kMaxParts) return parts;
    }
    if (closing) return parts;
    partStart = eol == std::string_view::npos ? body.size() : pos + eol + 1;
    pos = partStart;
  }
  // No closing delimiter: the last part was cut off and runs to the end.
  if (partStart != std::string_view::npos && partStart < body.size()) parts.push_back(body.substr(partStart));
  return parts;
}

std::string MhtmlDecoder::guessBoundary(std::string_view body) {
  size_t pos = 0;
  while (pos < body.size()) {
    size_t eol = body.find('\n', pos);
    std::string_view line = stripCr(body.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos));
    if (eol == std::string_view::npos) break;
    pos = eol + 1;
    if (line.size() <= 2 || line.substr(0, 2) != "--") continue;
    size_t nextEol = body.find('\n', pos);
    std::string_view next = stripCr(body.substr(pos, nextEol == std::string_view::npos ? std::string_view::npos : nextEol - pos));
    if (next.empty() || MimeHeaders::looksLikeField(next)) {
      std::string_view boundary = trimmed(line.substr(2));
      if (boundary.size() > 2 && boundary.substr(boundary.size() - 2) == "--") boundary.remove_suffix(2);
      return std::string(boundary);
    }
  }
  return {};
}

int MhtmlDecoder::walk(std::string_view text, const std::string& inheritedBase, int depth) {
  if (leaves_.size() >= MhtmlArchive::kMaxParts) return -1;
  Entity entity = splitEntity(text);
  const MimeHeaders& h = entity.headers;
  MimeHeaderValue type = MimeHeaderValue::parse(h.get("content-type"));

  std::string base = inheritedBase;
  if (std::string contentBase = decodeEncodedWords(h.getUri("content-base")); !contentBase.empty()) {
    base = resolveUrl(inheritedBase, contentBase);
  }
  std::string location = decodeEncodedWords(h.getUri("content-location"));
  if (!location.empty()) location = resolveUrl(base, location);
  std::string contentId = stripAngles(h.get("content-id"));

  bool multipart = type.value.rfind("multipart/", 0) == 0;
  if (multipart && depth < MhtmlArchive::kMaxNesting) {
    std::string boundary = type.parameter("boundary");
    std::vector<std::string_view> parts = splitMultipart(entity.body, boundary);
    if (parts.empty()) {
      std::string guessed = guessBoundary(entity.body);
      if (!guessed.empty()) parts = splitMultipart(entity.body, guessed);
    }
    if (parts.empty()) return walkLeaf(h, entity.body, std::move(location), std::move(contentId), {}, "");
    const std::string& childBase = location.empty() ? base : location;
    std::string start = stripAngles(type.parameter("start"));
    int root = -1;
    int startRoot = -1;
    int alternativeHtml = -1;
    for (std::string_view part : parts) {
      size_t before = leaves_.size();
      int child = walk(part, childBase, depth + 1);
      if (child < 0) continue;
      if (root < 0) root = child;
      // The start parameter names the root by the Content-ID of a direct part.
      if (!start.empty() && startRoot < 0 && before < leaves_.size()) {
        std::string partId = stripAngles(splitEntity(part).headers.get("content-id"));
        if (equalsIgnoreCase(partId, start)) startRoot = child;
      }
      if (isHtmlType(leaves_[static_cast<size_t>(child)].contentType)) alternativeHtml = child;
    }
    if (startRoot >= 0) return startRoot;
    // Of alternatives the richest, the last HTML one, is shown.
    if (type.value == "multipart/alternative" && alternativeHtml >= 0) return alternativeHtml;
    return root;
  }

  return walkLeaf(h, entity.body, std::move(location), std::move(contentId), type,
                  multipart ? "application/octet-stream" : type.value);
}

int MhtmlDecoder::walkLeaf(const MimeHeaders& h, std::string_view body, std::string location, std::string contentId,
                           const MimeHeaderValue& type, std::string contentType) {
  MhtmlResource leaf;
  leaf.location = std::move(location);
  leaf.contentId = std::move(contentId);
  leaf.contentType = std::move(contentType);
  leaf.charset = toLowerAscii(trimmed(type.parameter("charset")));
  leaf.data = decodeTransferEncoding(h.get("content-transfer-encoding"), body);
  if (leaf.contentType.empty()) {
    // Untyped: a page when it looks like markup.
    leaf.contentType = leaf.data.find('<') != std::string::npos ? "text/html" : "text/plain";
  }
  leaves_.push_back(std::move(leaf));
  return static_cast<int>(leaves_.size() - 1);
}

std::string MhtmlDecoder::rootHtml(const MhtmlResource& root) const {
  if (isHtmlType(root.contentType)) return decodeHtmlText(root.data, root.charset);
  if (root.contentType.rfind("text/", 0) == 0) {
    return "<html><body><pre>" + escapeHtml(convertToUtf8(root.data, root.charset.empty() ? "utf-8" : root.charset)) +
           "</pre></body></html>";
  }
  // An image as the root: a page that shows it.
  std::string src = !root.location.empty() ? root.location : "cid:" + root.contentId;
  return "<html><body><img src=\"" + escapeHtml(src) + "\"></body></html>";
}

Result<MhtmlArchive> MhtmlDecoder::decode(std::string_view bytes) {
  if (bytes.empty()) return Error{"the archive is empty"};
  if (bytes.size() > MhtmlArchive::kMaxArchiveBytes) return Error{"the archive is too large"};
  leaves_.clear();
  int root = walk(bytes, fileUrl_, 0);
  // A root that cannot be shown gives way to the first page of the archive.
  auto showable = [&](int i) {
    const std::string& t = leaves_[static_cast<size_t>(i)].contentType;
    return isHtmlType(t) || t.rfind("text/", 0) == 0 || t.rfind("image/", 0) == 0;
  };
  if (root < 0 || !showable(root)) {
    root = -1;
    for (size_t i = 0; i < leaves_.size() && root < 0; ++i) {
      if (isHtmlType(leaves_[i].contentType)) root = static_cast<int>(i);
    }
  }
  if (root < 0) return Error{"the archive holds no page"};

  MhtmlArchive archive;
  const MhtmlResource& rootLeaf = leaves_[static_cast<size_t>(root)];
  archive.html_ = rootHtml(rootLeaf);
  archive.baseUrl_ = !rootLeaf.location.empty() ? rootLeaf.location : fileUrl_;
  bool rootIsImage = rootLeaf.contentType.rfind("image/", 0) == 0;
  for (size_t i = 0; i < leaves_.size(); ++i) {
    if (static_cast<int>(i) != root || rootIsImage) archive.resources_.push_back(std::move(leaves_[i]));
  }
  leaves_.clear();
  archive.index();
  return archive;
}

}  // namespace tavra
