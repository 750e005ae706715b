// JPEG decoding with libjpeg-turbo. Its errors longjmp back to decodeInto, which keeps no C++
// objects with destructors alive across libjpeg calls.
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>

#include "gfx/ImageCodec.h"
#include "gfx/ImageLimits.h"

namespace tavra {
namespace {

constexpr long kMaxJpegMemory = 512L * 1024 * 1024;
constexpr int kMaxScans = 400;  // progressive files with endless scans would take forever

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX] = {};
  bool truncated = false;
};

[[noreturn]] void onError(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  (*info->err->format_message)(info, error->message);
  std::longjmp(error->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) error->truncated = true;
}

void onProgress(j_common_ptr info) {
  auto* d = reinterpret_cast<j_decompress_ptr>(info);
  if (d->input_scan_number > kMaxScans) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    std::snprintf(error->message, sizeof error->message, "too many scans");
    std::longjmp(error->jump, 1);
  }
}

struct JpegTarget {
  Bitmap* bitmap;
  std::optional<Error>* sizeError;
  jpeg_progress_mgr* progress;
};

// Adobe CMYK JPEGs store inverted ink values; others store them plainly.
Pixel pixelFromCmyk(const JSAMPLE* s, bool inverted) {
  int c = s[0], m = s[1], y = s[2], k = s[3];
  if (!inverted) { c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k; }
  auto ch = [k](int v) { return static_cast<Pixel>((v * k + 127) / 255); };
  return 0xFF000000u | (ch(c) << 16) | (ch(m) << 8) | ch(y);
}

bool decodeInto(jpeg_decompress_struct& info, JpegError& error, std::span<const std::uint8_t> bytes, JpegTarget target) {
  if (setjmp(error.jump)) return false;
  jpeg_create_decompress(&info);  // clears everything but the error manager
  info.progress = target.progress;
  info.mem->max_memory_to_use = kMaxJpegMemory;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    std::snprintf(error.message, sizeof error.message, "no image");
    return false;
  }
  *target.sizeError = checkImageSize(info.image_width, info.image_height, "JPEG");
  if (*target.sizeError) return false;

  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_start_decompress(&info);
  if (info.output_width != info.image_width || info.output_height != info.image_height) {
    std::snprintf(error.message, sizeof error.message, "unexpected output size");
    return false;
  }
  target.bitmap->resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 4, 1) : nullptr;
  const bool inverted = info.saw_Adobe_marker;
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    Pixel* row = target.bitmap->row(y);
    if (cmyk) {
      jpeg_read_scanlines(&info, cmykRow, 1);
      for (JDIMENSION x = 0; x < info.output_width; ++x) row[x] = pixelFromCmyk(cmykRow[0] + 4 * x, inverted);
    } else {
      JSAMPROW out = reinterpret_cast<JSAMPROW>(row);
      jpeg_read_scanlines(&info, &out, 1);
      for (JDIMENSION x = 0; x < info.output_width; ++x) row[x] |= 0xFF000000u;
    }
    if (error.truncated) {
      std::snprintf(error.message, sizeof error.message, "the data ends too early");
      return false;
    }
  }
  jpeg_finish_decompress(&info);
  return !error.truncated;
}

}  // namespace

Result<Bitmap> decodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return Error{"JPEG: no data"};
  jpeg_decompress_struct info{};
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = onError;
  error.manager.emit_message = onMessage;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = onProgress;
  Bitmap bitmap;
  std::optional<Error> sizeError;
  const bool ok = decodeInto(info, error, bytes, {&bitmap, &sizeError, &progress});
  jpeg_destroy_decompress(&info);
  if (sizeError) return *sizeError;
  if (!ok) return Error{std::string("JPEG: ") + (error.message[0] ? error.message : "the data ends too early")};
  return bitmap;
}

}  // namespace tavra
