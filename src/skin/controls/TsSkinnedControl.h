#pragma once
// A framework control bound to a skin section that paints from it. While bound, the control
// shows its composed cache: the section in the
// control's state over its parent's background, then what the class draws on top (caption,
// glyph); unbound (no manager, or a section the skin lacks) it is exactly its framework class.
#include <type_traits>

#include "framework/core/WinControl.h"
#include "gfx/Canvas.h"
#include "skin/manager/SkinCommands.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/BindingPainting.h"
#include "skin/binding/CacheCopy.h"
#include "skin/controls/FrameBand.h"
#include "skin/binding/TsBoundControl.h"

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
    if constexpr (std::is_base_of_v<TWinControl, Base>) {
      // A frame (a border style) shows the cache's border band.
      if (m.Msg == WM_NCPAINT && paintsSkinned()) {
        composeIfStale();
        PaintFrameBand(*this, SkinData.CacheBitmap);
        m.Result = 0;
        return;
      }
      // A child's place is in client coordinates; the cache holds the frame too.
      if (m.Msg == SM_SKINCMD && skinCommandOf(m.WParam_) == SKC_GETBG && m.LParam_ != 0) {
        auto& info = *reinterpret_cast<TsBackgroundInfo*>(m.LParam_);
        const Point frame = ClientOffsetIn(*this);
        if (info.PaintInto) {
          info.OffsetX += frame.x;
          info.OffsetY += frame.y;
        }
        TsBoundControl<Base>::WndProc(m);
        if (!info.PaintInto && info.Kind == BackgroundKind::Bitmap) {
          info.OffsetX += frame.x;
          info.OffsetY += frame.y;
        }
        return;
      }
    }
    TsBoundControl<Base>::WndProc(m);
  }

 protected:
  void Paint() override {
    if (!paintsSkinned()) {
      Base::Paint();
      return;
    }
    // Held while the parent is: the parent's SKC_PARENTPAINTED brings the paint back.
    if (!SkinData.StartPaint()) return;
    composeIfStale();
    // The cache is the whole control; a windowed one's client area starts inside its frame, and
    // its windowless and opaque children paint their own rectangles.
    if constexpr (std::is_base_of_v<TWinControl, Base>) {
      CopyCache(*this, SkinData.CacheBitmap, ClientOffsetIn(*this), *this->canvas(), this->clientRect());
    } else {
      this->canvas()->drawBitmap({0, 0}, SkinData.CacheBitmap);
    }
    SkinData.TellChildrenPainted();
  }

  void composeIfStale() {
    const bool sizeChanged = SkinData.CacheBitmap.width() != this->width() || SkinData.CacheBitmap.height() != this->height();
    if (SkinData.BackgroundDirty || sizeChanged || composedState_ != skinState()) composeCache();
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
