#pragma once
// Fixtures for the skinned label tests: a skin that answers what labels ask (put in place with
// a ScopedLabelSkin), a parent that answers the skin engine's queries, and painting a windowless
// label onto a bitmap the way its parent would.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "driver/HeadlessDriver.h"
#include "framework/CustomControl.h"
#include "gfx/Canvas.h"
#include "skin/paint/LabelSkin.h"
#include "skin/paint/ScopedLabelSkin.h"
#include "skin/manager/SkinCommands.h"

namespace tavra::test {

struct FakeSection {
  std::string name;
  LabelSkinSection values;
};

class FakeSkin : public LabelSkin {
 public:
  bool active = true;
  bool managerOn = true;
  std::vector<FakeSection> sections;  // GLOBALINFO first, as in every skin
  LabelSkinShadow shadow;
  Color sectionFill = rgb(10, 20, 30);

  struct PaintCall {
    Rect rect;
    int section = -1;
    const TControl* control = nullptr;
  };
  std::vector<PaintCall> painted;

  bool dataActive() const override { return active; }
  bool managerActive() const override { return managerOn; }
  LParam managerParam() const override { return reinterpret_cast<LParam>(this); }
  int findSection(std::string_view name) const override {
    for (size_t i = 0; i < sections.size(); ++i) {
      if (sections[i].name == name) return static_cast<int>(i);
    }
    return -1;
  }
  std::optional<LabelSkinSection> section(int index) const override {
    if (index < 0 || index >= static_cast<int>(sections.size())) return std::nullopt;
    return sections[static_cast<size_t>(index)].values;
  }
  LabelSkinShadow shadow1() const override { return shadow; }
  void paintSection(Canvas& canvas, const Rect& rect, int index, TControl& control) override {
    painted.push_back({rect, index, &control});
    canvas.fillRect(rect, sectionFill);
  }
};

// A container that answers the skin engine's queries as a skinned control would.
class SkinnedParent : public TCustomControl {
 public:
  explicit SkinnedParent(TComponent* owner) : TCustomControl(owner) {}
  int sectionIndex = -1;  // answered as index + 1; -1 answers 0 (not skinned)
  bool skinned = false;
  Color colorAnswer = 0;
  std::function<void(const TMessage&)> onMessage;  // sees every message first

  void WndProc(TMessage& m) override {
    if (onMessage) onMessage(m);
    if (m.Msg == SM_SKINCMD) {
      switch (skinCommandOf(m.WParam_)) {
        case SKC_GETSECTIONINDEX: m.Result = sectionIndex + 1; return;
        case SKC_ISSKINNED: m.Result = skinned ? 1 : 0; return;
        case SKC_GETCOLOR: m.Result = static_cast<LResult>(colorAnswer); return;
        default: m.Result = 0; return;
      }
    }
    TCustomControl::WndProc(m);
  }
};

// Paints a windowless control over a copy of `background` (the control's size), as its parent
// does: the canvas at the control's origin, clipped to it, with its font selected.
inline Bitmap paintOver(TControl& control, const Bitmap& background) {
  Bitmap out = background;
  Canvas c(out);
  c.intersectClip(Rect::fromSize(0, 0, control.width(), control.height()));
  c.setFont(control.font());
  control.Perform(WM_PAINT, reinterpret_cast<WParam>(&c), 0);
  return out;
}

inline Bitmap solid(int w, int h, Color c) {
  Bitmap b(w, h);
  b.fill(pixelFromColor(c));
  return b;
}

// The text as the label's own drawing puts it: `font` in `color` within `r`, over `background`.
inline Bitmap drawTextOver(const Bitmap& background, const std::string& text, const Font& font, Color color, const Rect& r,
                           unsigned flags) {
  Bitmap out = background;
  Canvas c(out);
  c.setFont(font);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setTextColor(color);
  c.drawText(text, r, flags);
  return out;
}

// A window system and application, as the labels' font and mouse handling expect.
class LabelTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
};

}  // namespace tavra::test
