#include "framework/controls/Image.h"

#include "framework/core/Application.h"
#include "gfx/AlphaConversion.h"
#include "gfx/ImageCodec.h"

namespace tavra {

void TPicture::LoadFromFile(const std::string& path) {
  auto decoded = loadImageFile(path);
  if (!decoded) throw Exception(decoded.error());
  assign(std::move(decoded).value());
}

void TPicture::assign(Bitmap b) {
  bitmap_ = std::move(b);
  if (OnChange) OnChange();
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  setBoundsQuiet(Rect::fromSize(0, 0, 105, 105));
  picture_.OnChange = [this] { pictureChanged(); };
}

void TImage::pictureChanged() {
  const Bitmap& b = picture_.bitmap();
  blendable_ = b.format() == PixelFormat::Bits32 ? premultipliedAlpha(b) : Bitmap();
  if (autoSize_ && !picture_.empty()) setBounds(left(), top(), picture_.width(), picture_.height());
  // An opaque picture that covers the control needs no background beneath it.
  bool covers = !transparent_ && !picture_.empty() && (stretch_ || (picture_.width() >= width() && picture_.height() >= height()));
  if (covers) controlStyle_ |= csOpaque;
  else controlStyle_ &= ~static_cast<unsigned>(csOpaque);
  Invalidate();
}

void TImage::setStretch(bool s) {
  if (s == stretch_) return;
  stretch_ = s;
  pictureChanged();
}

void TImage::setCenter(bool c) {
  if (c == center_) return;
  center_ = c;
  Invalidate();
}

void TImage::setProportional(bool p) {
  if (p == proportional_) return;
  proportional_ = p;
  Invalidate();
}

void TImage::setTransparent(bool t) {
  if (t == transparent_) return;
  transparent_ = t;
  pictureChanged();
}

void TImage::setAutoSize(bool a) {
  if (a == autoSize_) return;
  autoSize_ = a;
  pictureChanged();
}

Rect TImage::destRect() const {
  int pw = picture_.width(), ph = picture_.height();
  int cw = width(), ch = height();
  int w = pw, h = ph;
  if (stretch_ || (proportional_ && (pw > cw || ph > ch))) {
    if (proportional_ && pw > 0 && ph > 0) {
      if (static_cast<long long>(cw) * ph > static_cast<long long>(ch) * pw) {
        h = ch;
        w = static_cast<int>(static_cast<long long>(ch) * pw / ph);
      } else {
        w = cw;
        h = static_cast<int>(static_cast<long long>(cw) * ph / pw);
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = center_ ? (cw - w) / 2 : 0;
  int y = center_ ? (ch - h) / 2 : 0;
  return Rect::fromSize(x, y, w, h);
}

void TImage::Paint() {
  if (picture_.empty()) return;
  Canvas& c = *canvas();
  Rect dst = destRect();
  const Bitmap& b = picture_.bitmap();
  if (transparent_) {
    c.drawBitmapTransparent(dst, b, b.bounds(), b.transparentColor);
  } else if (b.format() == PixelFormat::Bits32) {
    c.alphaBlend(dst, blendable_, blendable_.bounds(), 255, AlphaSource::PerPixel);
  } else if (dst.size() == b.size()) {
    c.drawBitmap(dst.topLeft(), b);
  } else {
    c.stretchBitmap(dst, b, b.bounds());
  }
}

}  // namespace tavra
