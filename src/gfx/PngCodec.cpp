// PNG reading and writing with libpng. libpng reports errors by longjmp; the functions that call
// it keep no C++ objects with destructors alive across those calls.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "gfx/ImageCodec.h"
#include "gfx/ImageLimits.h"

namespace tavra {
namespace {

constexpr png_alloc_size_t kMaxChunkBytes = 16 * 1024 * 1024;

struct PngIo {
  const std::uint8_t* data = nullptr;
  size_t size = 0;
  size_t position = 0;
  std::vector<std::uint8_t>* output = nullptr;
  char error[200] = {};
};

void onError(png_structp png, png_const_charp message) {
  auto* io = static_cast<PngIo*>(png_get_error_ptr(png));
  std::snprintf(io->error, sizeof io->error, "%s", message);
  png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void readBytes(png_structp png, png_bytep out, png_size_t count) {
  auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
  if (count > io->size - io->position) png_error(png, "the data ends too early");
  std::memcpy(out, io->data + io->position, count);
  io->position += count;
}

void writeBytes(png_structp png, png_bytep in, png_size_t count) {
  auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
  io->output->insert(io->output->end(), in, in + count);
}

void flushNothing(png_structp) {}

// Reads the header; returns false on error (message in io.error) or when the size is refused
// (sizeError set). Then allocates `bitmap` and `rows` through the callbacks and decodes.
struct PngTarget {
  Bitmap* bitmap;
  std::vector<png_bytep>* rows;
  std::optional<Error>* sizeError;
};

bool readPng(png_structp png, png_infop info, PngTarget target) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, Bitmap::kMaxDimension, Bitmap::kMaxDimension);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  *target.sizeError = checkImageSize(width, height, "PNG");
  if (*target.sizeError) return false;

  const int colorType = png_get_color_type(png, info);
  const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8 bits, tRNS to alpha
  png_set_scale_16(png);
  if (!(colorType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  if (!alpha) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) png_error(png, "unexpected row layout");

  target.bitmap->resize(static_cast<int>(width), static_cast<int>(height));
  target.bitmap->setFormat(alpha ? PixelFormat::Bits32 : PixelFormat::Bits24);
  target.rows->resize(height);
  for (png_uint_32 y = 0; y < height; ++y) (*target.rows)[y] = reinterpret_cast<png_bytep>(target.bitmap->row(static_cast<int>(y)));
  png_read_image(png, target.rows->data());
  png_read_end(png, nullptr);
  return true;
}

bool writePng(png_structp png, png_infop info, const Bitmap& bitmap, std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  const bool alpha = bitmap.format() == PixelFormat::Bits32;
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.width()), static_cast<png_uint_32>(bitmap.height()), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_set_bgr(png);
  if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);  // drops the fourth byte
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

Result<Bitmap> decodePng(std::span<const std::uint8_t> bytes) {
  PngIo io{.data = bytes.data(), .size = bytes.size()};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &io, onError, onWarning);
  if (!png) return Error{"PNG: out of memory"};
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return Error{"PNG: out of memory"};
  }
  png_set_read_fn(png, &io, readBytes);
  Bitmap bitmap;
  std::vector<png_bytep> rows;
  std::optional<Error> sizeError;
  const bool ok = readPng(png, info, {&bitmap, &rows, &sizeError});
  png_destroy_read_struct(&png, &info, nullptr);
  if (sizeError) return *sizeError;
  if (!ok) return Error{std::string("PNG: ") + (io.error[0] ? io.error : "cannot decode")};
  return bitmap;
}

std::vector<std::uint8_t> encodePng(const Bitmap& bitmap) {
  std::vector<std::uint8_t> out;
  if (bitmap.isEmpty()) return out;
  PngIo io{.output = &out};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &io, onError, onWarning);
  if (!png) return {};
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return {};
  }
  png_set_write_fn(png, &io, writeBytes, flushNothing);
  std::vector<png_bytep> rows(static_cast<size_t>(bitmap.height()));
  for (int y = 0; y < bitmap.height(); ++y) {
    rows[static_cast<size_t>(y)] = const_cast<png_bytep>(reinterpret_cast<const png_byte*>(bitmap.row(y)));
  }
  const bool ok = writePng(png, info, bitmap, rows);
  png_destroy_write_struct(&png, &info);
  if (!ok) out.clear();
  return out;
}

bool savePng(const Bitmap& bitmap, const std::string& path) {
  std::vector<std::uint8_t> bytes = encodePng(bitmap);
  if (bytes.empty()) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace tavra
