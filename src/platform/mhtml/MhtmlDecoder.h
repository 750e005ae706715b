#pragma once
// Walks the MIME structure of an archive: splits each entity into headers and body, multiparts
// into their parts (recursing to a bounded depth), decodes transfer encodings, resolves
// locations and picks the root part. Used by MhtmlArchive::decode.
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "platform/mhtml/MhtmlArchive.h"
#include "platform/mhtml/MimeHeaders.h"

namespace tavra {

class MhtmlDecoder {
 public:
  explicit MhtmlDecoder(std::string_view fileUrl) : fileUrl_(fileUrl) {}
  Result<MhtmlArchive> decode(std::string_view bytes);

  // An entity's header block and body. Without a header block (a plain HTML file, a part that
  // starts with a blank line) the headers are empty.
  struct Entity {
    MimeHeaders headers;
    std::string_view body;
  };
  static Entity splitEntity(std::string_view text);
  // The parts of a multipart body between its delimiter lines; a part cut off by the end of the
  // data runs to the end.
  static std::vector<std::string_view> splitMultipart(std::string_view body, std::string_view boundary);
  // The boundary of a multipart whose header lacks it: the first "--x" line followed by a
  // header line or a blank line.
  static std::string guessBoundary(std::string_view body);

 private:
  // Returns the index in leaves_ of the entity's root leaf, or -1.
  int walk(std::string_view text, const std::string& base, int depth);
  // Adds a single part; an empty content type is guessed from the data.
  int walkLeaf(const MimeHeaders& headers, std::string_view body, std::string location, std::string contentId,
               const MimeHeaderValue& type, std::string contentType);
  std::string rootHtml(const MhtmlResource& root) const;

  std::string fileUrl_;
  std::vector<MhtmlResource> leaves_;
};

}  // namespace tavra
