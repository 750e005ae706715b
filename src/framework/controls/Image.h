#pragma once
// A picture control painted by its parent: a bitmap drawn unscaled from the top-left, centred,
// or stretched (proportionally if asked), transparent on its transparent colour if asked.
#include <string>

#include "framework/core/CustomControl.h"
#include "gfx/Bitmap.h"

namespace tavra {

class TPicture {
 public:
  const Bitmap& bitmap() const { return bitmap_; }
  Bitmap& bitmap() { return bitmap_; }
  bool empty() const { return bitmap_.isEmpty(); }
  int width() const { return bitmap_.width(); }
  int height() const { return bitmap_.height(); }
  // Loads a PNG, JPEG, BMP or GIF file; raises an Exception when it cannot.
  void LoadFromFile(const std::string& path);
  void assign(Bitmap b);
  void clear() { assign(Bitmap()); }
  std::function<void()> OnChange;

 private:
  Bitmap bitmap_;
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);

  TPicture& picture() { return picture_; }
  const TPicture& picture() const { return picture_; }
  bool stretch() const { return stretch_; }
  void setStretch(bool s);
  bool center() const { return center_; }
  void setCenter(bool c);
  bool proportional() const { return proportional_; }
  void setProportional(bool p);
  bool transparent() const { return transparent_; }
  void setTransparent(bool t);
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool a);

  // Where the picture lands in the client area.
  Rect destRect() const;

 protected:
  void Paint() override;

 private:
  void pictureChanged();
  TPicture picture_;
  Bitmap blendable_;  // a 32-bit picture with premultiplied alpha, as blending wants it
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

}  // namespace tavra
