#include "ImageWriters.h"

#include <cstdio>
#include <jpeglib.h>

#include <cstdlib>

#include "gfx/Bitmap.h"
#include "gfx/ImageCodec.h"

namespace tavra::skingen {
namespace {

void put(Bytes& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

Bytes encodeBmp24(const PixelBlock& block) {
  const int rowBytes = (block.width * 3 + 3) & ~3;
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * block.height);
  Bytes out = {'B', 'M'};
  put(out, 54 + imageBytes, 4);
  put(out, 0, 4);
  put(out, 54, 4);
  put(out, 40, 4);
  put(out, static_cast<std::uint32_t>(block.width), 4);
  put(out, static_cast<std::uint32_t>(block.height), 4);
  put(out, 1, 2);
  put(out, 24, 2);
  put(out, 0, 4);
  put(out, imageBytes, 4);
  put(out, 2835, 4);  // 72 dpi
  put(out, 2835, 4);
  put(out, 0, 4);
  put(out, 0, 4);
  for (int y = block.height - 1; y >= 0; --y) {
    for (int x = 0; x < block.width; ++x) {
      const std::uint32_t p = block.at(x, y);
      out.push_back(static_cast<std::uint8_t>(p));
      out.push_back(static_cast<std::uint8_t>(p >> 8));
      out.push_back(static_cast<std::uint8_t>(p >> 16));
    }
    for (int pad = block.width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

Bytes encodePngRgb(const PixelBlock& block) {
  Bitmap bitmap(block.width, block.height, PixelFormat::Bits24);
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) bitmap.row(y)[x] = 0xFF000000 | block.at(x, y);
  }
  return encodePng(bitmap);
}

Bytes encodePngArgb(int width, int height, const std::vector<std::uint32_t>& straightArgb) {
  Bitmap bitmap(width, height, PixelFormat::Bits32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.row(y)[x] = straightArgb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
  return encodePng(bitmap);
}

Bytes encodeJpeg(const PixelBlock& block, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  error.error_exit = [](j_common_ptr) {
    std::fputs("skingen: JPEG encoding failed\n", stderr);
    std::exit(1);
  };
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(block.width);
  info.image_height = static_cast<JDIMENSION>(block.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.write_JFIF_header = TRUE;
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(block.width) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < block.width; ++x) {
      const std::uint32_t p = block.at(x, y);
      row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(p >> 16);
      row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>(p >> 8);
      row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>(p);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

}  // namespace tavra::skingen
