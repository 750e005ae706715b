#pragma once
// A framework control bound to a skin section that paints from it. While bound, the control
// shows its composed cache: the section in the
// control's state over its parent's background, then what the class draws on top (caption,
// glyph); unbound (no manager, or a section the skin lacks) it is exactly its framework class.
#include "gfx/Canvas.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/BindingPainting.h"
#include "skin/paint/TsBoundControl.h"

namespace tavra {

template <typename Base>
class TsSkinnedControl : public TsBoundControl<Base> {
 public:
  TsSkinnedControl(TComponent* owner, int kind) : TsBoundControl<Base>(owner, kind) {
    this->SkinData.Recompose = [this] { composeCache(); };
  }
  using TsBoundControl<Base>::SkinData;

  void WndProc(TMessage& m) override {
    if (m.Msg == WM_ERASEBKGND && paintsSkinned()) {
      m.Result = 1;  // the cache covers every pixel
      return;
    }
    TsBoundControl<Base>::WndProc(m);
  }

 protected:
  void Paint() override {
    if (!paintsSkinned()) {
      Base::Paint();
      return;
    }
    const bool sizeChanged = SkinData.CacheBitmap.width() != this->width() || SkinData.CacheBitmap.height() != this->height();
    if (SkinData.BackgroundDirty || sizeChanged || composedState_ != skinState()) composeCache();
    this->canvas()->drawBitmap({0, 0}, SkinData.CacheBitmap);
  }

  virtual bool paintsSkinned() const { return SkinData.HasSkin(); }
  // 0 normal, 1 hot, 2 pressed.
  virtual int skinState() const { return 0; }
  // The section under the class's content; by default the whole control in `state`.
  virtual void composeSection(Bitmap& cache, int state) {
    PaintSection(SkinData, ParentViewOf(*this), CentreFill::Yes, state, cache, {0, 0}, cache.bounds());
  }
  // What the class draws over the composed section (caption, glyph).
  virtual void paintContent(Canvas& cache, int state) {
    (void)cache;
    (void)state;
  }

  void composeCache() {
    if (!SkinData.HasSkin()) return;
    const int state = skinState();
    SkinData.EnsureCache();
    Bitmap& cache = SkinData.CacheBitmap;
    composeSection(cache, state);
    {
      Canvas c(cache);
      c.setFont(this->font());
      paintContent(c, state);
    }
    SkinData.BackgroundDirty = false;
    SkinData.PartlyClipped = false;
    composedState_ = state;
  }

 private:
  int composedState_ = -1;
};

}  // namespace tavra
