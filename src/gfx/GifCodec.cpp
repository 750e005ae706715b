// GIF decoding with giflib: the first frame on the logical screen, its transparent index (from
// the graphic control extension before it) as alpha 0.
#include <gif_lib.h>

#include <array>
#include <cstring>
#include <memory>

#include "gfx/ImageCodec.h"
#include "gfx/ImageLimits.h"

namespace tavra {
namespace {

constexpr int kMaxRecords = 10000;

struct GifInput {
  std::span<const std::uint8_t> bytes;
  size_t position = 0;
};

int readGif(GifFileType* gif, GifByteType* out, int count) {
  auto* input = static_cast<GifInput*>(gif->UserData);
  size_t n = std::min(static_cast<size_t>(std::max(count, 0)), input->bytes.size() - input->position);
  std::memcpy(out, input->bytes.data() + input->position, n);
  input->position += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

Error gifError(const char* what, int code) {
  const char* text = GifErrorString(code);
  return Error{std::string("GIF: ") + what + (text ? std::string(" (") + text + ")" : std::string())};
}

// The frame just described, on the logical screen; what the frame does not cover is transparent.
Result<Bitmap> decodeFrame(GifFileType* gif, int transparentIndex) {
  const GifImageDesc& frame = gif->Image;
  if (auto e = checkImageSize(frame.Width, frame.Height, "GIF")) return *e;
  long long screenWidth = gif->SWidth, screenHeight = gif->SHeight;
  if (screenWidth <= 0 || screenHeight <= 0) {
    screenWidth = static_cast<long long>(frame.Left) + frame.Width;
    screenHeight = static_cast<long long>(frame.Top) + frame.Height;
  }
  if (auto e = checkImageSize(screenWidth, screenHeight, "GIF")) return *e;
  const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!map || !map->Colors) return Error{"GIF: no colour table"};

  std::array<Pixel, 256> palette;
  palette.fill(0xFF000000u);
  for (int i = 0; i < std::min(map->ColorCount, 256); ++i) {
    const GifColorType& c = map->Colors[i];
    palette[static_cast<size_t>(i)] = 0xFF000000u | (static_cast<Pixel>(c.Red) << 16) | (static_cast<Pixel>(c.Green) << 8) | c.Blue;
  }
  if (transparentIndex >= 0) palette[static_cast<size_t>(transparentIndex)] = 0;

  const Rect screen{0, 0, static_cast<int>(screenWidth), static_cast<int>(screenHeight)};
  const Rect placed = Rect::fromSize(frame.Left, frame.Top, frame.Width, frame.Height);
  const bool alpha = transparentIndex >= 0 || !placed.contains(screen);
  Bitmap bitmap(screen.width(), screen.height(), alpha ? PixelFormat::Bits32 : PixelFormat::Bits24);
  if (alpha) bitmap.fill(0);

  std::vector<GifByteType> line(static_cast<size_t>(frame.Width));
  // Interlaced frames store rows in four passes: every 8th from 0, every 8th from 4, every 4th
  // from 2, every 2nd from 1.
  static constexpr int kPassStart[4] = {0, 4, 2, 1};
  static constexpr int kPassStep[4] = {8, 8, 4, 2};
  const int passes = frame.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    const int start = frame.Interlace ? kPassStart[pass] : 0;
    const int step = frame.Interlace ? kPassStep[pass] : 1;
    for (int row = start; row < frame.Height; row += step) {
      if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) return gifError("damaged image data", gif->Error);
      const int y = frame.Top + row;
      if (y < 0 || y >= screen.bottom) continue;
      Pixel* out = bitmap.row(y);
      const int x0 = std::max(0, -frame.Left), x1 = std::min(frame.Width, screen.right - frame.Left);
      for (int x = x0; x < x1; ++x) out[frame.Left + x] = palette[line[static_cast<size_t>(x)]];
    }
  }
  return bitmap;
}

}  // namespace

Result<Bitmap> decodeGif(std::span<const std::uint8_t> bytes) {
  GifInput input{bytes};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&input, readGif, &error));
  if (!gif) return gifError("cannot read the header", error);

  int transparentIndex = -1;
  for (int record = 0; record < kMaxRecords; ++record) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) return gifError("damaged data", gif->Error);
    if (type == TERMINATE_RECORD_TYPE) return Error{"GIF: no image"};
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) return gifError("damaged extension", gif->Error);
      if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
        transparentIndex = (block[1] & 0x01) ? block[4] : -1;
      }
      for (int blocks = 0; block != nullptr; ++blocks) {
        if (blocks > kMaxRecords || DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) return gifError("damaged extension", gif->Error);
      }
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) continue;

    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return gifError("damaged image", gif->Error);
    return decodeFrame(gif.get(), transparentIndex);
  }
  return Error{"GIF: too many records before the first image"};
}

}  // namespace tavra
