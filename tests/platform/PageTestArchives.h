#pragma once
// Small page archives built in code for the page tests and the benchmark: a windows-1251
// quoted-printable page part and pictures as base64 PNG parts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"
#include "gfx/Bitmap.h"
#include "gfx/ImageCodec.h"

namespace tavra::testing_pages {

inline std::string quotedPrintable(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  int column = 0;
  for (unsigned char c : bytes) {
    std::string piece;
    if (c == '\n') {
      out += "\r\n";
      column = 0;
      continue;
    }
    if ((c >= 33 && c <= 126 && c != '=') || c == ' ') {
      piece = std::string(1, static_cast<char>(c));
    } else {
      piece = {'=', kHex[c >> 4], kHex[c & 15]};
    }
    if (column + static_cast<int>(piece.size()) > 75) {
      out += "=\r\n";
      column = 0;
    }
    out += piece;
    column += static_cast<int>(piece.size());
  }
  return out;
}

inline std::string base64(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  size_t i = 0;
  int groups = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                 static_cast<unsigned char>(bytes[i + 2]);
    for (int k = 3; k >= 0; --k) out += kAlphabet[(v >> (6 * k)) & 63];
    if (++groups == 19) {
      out += "\r\n";
      groups = 0;
    }
  }
  if (i < bytes.size()) {
    unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

// A PNG of one colour (0x00BBGGRR).
inline std::string solidPng(int width, int height, Color color) {
  Bitmap bitmap(width, height);
  bitmap.fill(pixelFromColor(color));
  std::vector<std::uint8_t> bytes = encodePng(bitmap);
  return std::string(bytes.begin(), bytes.end());
}

struct Picture {
  std::string location;  // relative to the page
  std::string png;       // the part's bytes
  std::string contentType = "image/png";
};

// An archive as a word processor saves one: the page (UTF-8 here, stored as windows-1251
// quoted-printable) at file:///C:/D4F3A1B2/test.htm and its pictures under it.
inline std::string wordArchive(std::string_view htmlUtf8, const std::vector<Picture>& pictures) {
  std::string out =
      "From: <Saved by a word processor>\r\n"
      "Subject: page\r\n"
      "MIME-Version: 1.0\r\n"
      "Content-Type: multipart/related; boundary=\"----=_NextPart_01D0.8F1A\"\r\n"
      "\r\n"
      "This document is a Single File Web Page.\r\n"
      "\r\n"
      "------=_NextPart_01D0.8F1A\r\n"
      "Content-Location: file:///C:/D4F3A1B2/test.htm\r\n"
      "Content-Transfer-Encoding: quoted-printable\r\n"
      "Content-Type: text/html; charset=\"windows-1251\"\r\n"
      "\r\n";
  out += quotedPrintable(utf8ToCp1251(htmlUtf8));
  out += "\r\n";
  for (const Picture& p : pictures) {
    out += "------=_NextPart_01D0.8F1A\r\n";
    out += "Content-Location: file:///C:/D4F3A1B2/" + p.location + "\r\n";
    out += "Content-Transfer-Encoding: base64\r\nContent-Type: " + p.contentType + "\r\n\r\n";
    out += base64(p.png);
    out += "\r\n";
  }
  out += "------=_NextPart_01D0.8F1A--\r\n";
  return out;
}

}  // namespace tavra::testing_pages
