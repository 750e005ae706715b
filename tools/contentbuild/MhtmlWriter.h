#pragma once
// Writes a page and its images as a web archive laid out the way old browsers and word
// processors saved them: a multipart/related message whose first part is the HTML page in
// windows-1251, quoted-printable, followed by the images in base64, each with its own
// Content-Location under a "file:///C:/<hex>/" root. A page without images may be written as a
// single-part archive (the whole file is one text/html MIME entity). Output is a pure function
// of the inputs: the boundary and the root folder are derived from the archive's name.
#include <string>
#include <string_view>
#include <vector>

namespace tavra::content {

struct ArchiveResource {
  std::string location;     // relative to the page, as the HTML refers to it ("1.1_files/image001.png")
  std::string contentType;  // "image/png"
  std::string bytes;
};

enum class ArchiveLayout { Multipart, SinglePart };

struct ArchivePage {
  std::string name;        // archive name inside the store, e.g. "mat/1.1.mht"; seeds boundary and root
  std::string titleCp1251; // for the Subject header
  std::string htmlCp1251;  // the page, already in windows-1251
  std::vector<ArchiveResource> resources;
  ArchiveLayout layout = ArchiveLayout::Multipart;
};

class MhtmlWriter {
 public:
  // The whole archive; throws std::invalid_argument for a single-part page with resources.
  static std::string write(const ArchivePage& page);

  // "file:///C:/<8 hex digits>/<stem>.htm" for the archive name.
  static std::string rootLocation(std::string_view archiveName);
  static std::string boundary(std::string_view archiveName);
};

}  // namespace tavra::content
