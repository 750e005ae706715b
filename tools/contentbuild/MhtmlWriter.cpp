#include "contentbuild/MhtmlWriter.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "contentbuild/TransferEncoding.h"

namespace tavra::content {
namespace {

std::uint32_t fnv1a(std::string_view text, std::uint32_t seed = 2166136261u) {
  std::uint32_t h = seed;
  for (unsigned char c : text) {
    h ^= c;
    h *= 16777619u;
  }
  return h;
}

std::string hex8(std::uint32_t v) {
  char buf[9];
  std::snprintf(buf, sizeof buf, "%08X", v);
  return buf;
}

std::string stemOf(std::string_view name) {
  const auto slash = name.find_last_of("/\\");
  std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const auto dot = file.rfind('.');
  return std::string(dot == std::string_view::npos ? file : file.substr(0, dot));
}

std::string folderOf(std::string_view location) {
  const auto slash = location.rfind('/');
  return std::string(location.substr(0, slash + 1));
}

void writeMessageHeaders(const ArchivePage& page, std::string& out) {
  out += "From: <Saved by Tavra content builder>\r\n";
  out += "Subject: " + encodeHeaderWords(page.titleCp1251, "windows-1251") + "\r\n";
  out += "MIME-Version: 1.0\r\n";
}

void writeHtmlPartHeaders(const std::string& location, std::string& out) {
  out += "Content-Type: text/html;\r\n\tcharset=\"windows-1251\"\r\n";
  out += "Content-Transfer-Encoding: quoted-printable\r\n";
  out += "Content-Location: " + location + "\r\n";
}

}  // namespace

std::string MhtmlWriter::rootLocation(std::string_view archiveName) {
  return "file:///C:/" + hex8(fnv1a(archiveName)) + "/" + stemOf(archiveName) + ".htm";
}

std::string MhtmlWriter::boundary(std::string_view archiveName) {
  return "----=_NextPart_000_0000_" + hex8(fnv1a(archiveName, 0x811C9DC5u ^ 0x5A5A5A5Au)) + "." +
         hex8(fnv1a(archiveName, 0x01000193u));
}

std::string MhtmlWriter::write(const ArchivePage& page) {
  const std::string root = rootLocation(page.name);
  std::string out;
  writeMessageHeaders(page, out);

  if (page.layout == ArchiveLayout::SinglePart) {
    if (!page.resources.empty()) {
      throw std::invalid_argument(page.name + ": a single-part archive cannot carry images");
    }
    writeHtmlPartHeaders(root, out);
    out += "\r\n";
    out += encodeQuotedPrintable(page.htmlCp1251);
    out += "\r\n";
    return out;
  }

  const std::string delimiter = boundary(page.name);
  out += "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"" + delimiter +
         "\"\r\n";
  out += "\r\nThis is a multi-part message in MIME format.\r\n\r\n";

  out += "--" + delimiter + "\r\n";
  writeHtmlPartHeaders(root, out);
  out += "\r\n";
  out += encodeQuotedPrintable(page.htmlCp1251);
  out += "\r\n";

  const std::string folder = folderOf(root);
  for (const ArchiveResource& resource : page.resources) {
    out += "--" + delimiter + "\r\n";
    out += "Content-Type: " + resource.contentType + "\r\n";
    out += "Content-Transfer-Encoding: base64\r\n";
    out += "Content-Location: " + folder + resource.location + "\r\n";
    out += "\r\n";
    out += encodeBase64Lines(resource.bytes);
    out += "\r\n";
  }
  out += "--" + delimiter + "--\r\n";
  return out;
}

}  // namespace tavra::content
