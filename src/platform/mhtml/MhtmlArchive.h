#pragma once
// A decoded MHTML web archive (RFC 2557): the root page as UTF-8 HTML and a table of the other
// parts, found by their resolved Content-Location or by Content-ID. Also reads a single-part
// text/html file and a plain HTML file without MIME headers. Damaged input decodes what it
// can; only input with nothing to show is a failure. Decoding touches no shared state, so it
// may run on any thread.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Result.h"

namespace tavra {

struct MhtmlResource {
  std::string location;     // Content-Location resolved against its base; may be empty
  std::string contentId;    // Content-ID without angle brackets; may be empty
  std::string contentType;  // lower case, e.g. "image/png"
  std::string charset;      // lower case charset parameter; may be empty
  std::string data;         // the decoded bytes
};

class MhtmlArchive {
 public:
  static constexpr size_t kMaxArchiveBytes = 64 * 1024 * 1024;
  static constexpr size_t kMaxParts = 4096;
  static constexpr int kMaxNesting = 8;
  static constexpr size_t kMaxHeaderBlockBytes = 256 * 1024;

  // Decodes an archive's bytes; `fileUrl`, the archive's own file: URL, is the base of last
  // resort for relative locations and the page's base when its part names none.
  static Result<MhtmlArchive> decode(std::string_view bytes, std::string_view fileUrl = {});
  // Reads the file at `path` (size bounded) and decodes it.
  static Result<MhtmlArchive> load(const std::string& path);
  // An archive of one page made by the program itself (the pages shown for missing files).
  static MhtmlArchive fromHtml(std::string html, std::string baseUrl);

  // The root page as UTF-8 HTML.
  const std::string& html() const { return html_; }
  // The root page's own URL, against which its relative references resolve.
  const std::string& baseUrl() const { return baseUrl_; }
  // Every part but the root, in archive order.
  const std::vector<MhtmlResource>& resources() const { return resources_; }

  // The part a reference names: cid:, an absolute URL, or a relative one resolved against
  // `base` (the root page's URL when empty). Null when the archive has no such part.
  const MhtmlResource* find(std::string_view reference, std::string_view base = {}) const;

 private:
  friend class MhtmlDecoder;
  void index();

  std::string html_;
  std::string baseUrl_;
  std::vector<MhtmlResource> resources_;
  std::unordered_map<std::string, size_t> byLocation_;
  std::unordered_map<std::string, size_t> byContentId_;
};

}  // namespace tavra
