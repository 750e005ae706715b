#pragma once
// Fixtures for the skinned label tests: a small skin made in code and loaded by a default skin
// manager for a scope (the labels ask it through their binding, as every skinned control does),
// a parent that answers the skin engine's queries, and painting a windowless label onto a
// bitmap the way its parent would.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/CustomControl.h"
#include "gfx/Canvas.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TsGeneralData.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/TsBackgroundInfo.h"

namespace tavra::test {

// What a label reads of one section.
struct LabelSkinSection {
  static constexpr Color kNone = kNoColor;  // a contour colour that is not set (-1)
  Color fontColor = 0;                      // FONTCOLOR
  Color contourLeft = kNone;                // TCLEFT
  int transparency = 0;                     // TRANSPARENCY, percent
  bool giveOwnFont = false;                 // GIVEOWNFONT
  Color color = rgb(10, 20, 30);            // COLOR: the fill of a painted section
};

struct FakeSection {
  std::string name;
  LabelSkinSection values;
};

// The skin's first shadow; a blur of -1 means the skin sets none.
struct LabelSkinShadow {
  Color color = 0;
  int blur = -1;
  int offset = 0;
};

// A skin described by what the labels read of it.
struct FakeSkin {
  bool active = true;  // the loaded data are usable
  std::vector<FakeSection> sections;  // GLOBALINFO first, as in every skin
  LabelSkinShadow shadow;

  // The skin's "Options.dat"; the shadow goes into GLOBALINFO.
  std::string options() const {
    std::string text;
    auto line = [&](const char* key, long long value) { text += std::string(key) + "=" + std::to_string(value) + "\n"; };
    for (const FakeSection& s : sections) {
      text += "[" + s.name + "]\n";
      if (s.name == "GLOBALINFO") {
        text += "VERSION=6.14\n";
        line("SHADOW1COLOR", shadow.color);
        line("SHADOW1BLUR", shadow.blur);
        line("SHADOW1OFFSET", shadow.offset);
      }
      line("COLOR", s.values.color);
      line("FONTCOLOR", s.values.fontColor);
      line("TCLEFT", s.values.contourLeft == kNoColor ? -1 : static_cast<long long>(s.values.contourLeft));
      line("TRANSPARENCY", s.values.transparency);
      text += std::string("GIVEOWNFONT=") + (s.values.giveOwnFont ? "TRUE" : "FALSE") + "\n";
    }
    return text;
  }
};

// Loads `skin` into a new default skin manager while it lives; the manager goes with it. Made
// while another manager is the default, it loads nothing and counts as no skin.
class ScopedSkin {
 public:
  explicit ScopedSkin(const FakeSkin& skin) : manager_(std::make_unique<TsSkinManager>(nullptr)) {
    SkinPackageWriter writer;
    writer.add("Options.dat", std::string_view(skin.options()));
    TsStoredSkin& stored = manager_->internalSkins().add();
    stored.Name = "Labels (internal)";
    stored.Data = writer.build();
    manager_->setSkinName("Labels (internal)");
    // The window in which a manager's data are not usable (while it announces a new skin).
    if (!skin.active) manager_->model().SkinData.Active = false;
  }
  ScopedSkin(const ScopedSkin&) = delete;
  ScopedSkin& operator=(const ScopedSkin&) = delete;

  TsSkinManager& manager() { return *manager_; }
  LParam param() const { return manager_->commandParam(); }

 private:
  std::unique_ptr<TsSkinManager> manager_;
};

// A container that answers the skin engine's queries as a skinned control would.
class SkinnedParent : public TCustomControl {
 public:
  explicit SkinnedParent(TComponent* owner) : TCustomControl(owner) {}
  int sectionIndex = -1;  // answered as index + 1; -1 answers 0 (not skinned)
  bool skinned = false;
  Color colorAnswer = 0;
  const Bitmap* background = nullptr;  // answered to SKC_GETBG when set (its cache)
  std::function<void(const TMessage&)> onMessage;  // sees every message first

  void WndProc(TMessage& m) override {
    if (onMessage) onMessage(m);
    if (m.Msg == SM_SKINCMD) {
      switch (skinCommandOf(m.WParam_)) {
        case SKC_GETSECTIONINDEX: m.Result = sectionIndex + 1; return;
        case SKC_ISSKINNED: m.Result = skinned ? 1 : 0; return;
        case SKC_GETCOLOR: m.Result = static_cast<LResult>(colorAnswer); return;
        case SKC_GETBG:
          if (background) {
            auto& info = *reinterpret_cast<TsBackgroundInfo*>(m.LParam_);
            info.Kind = BackgroundKind::Bitmap;
            info.Bitmap = background;
            info.OffsetX = info.OffsetY = 0;
          }
          m.Result = 0;
          return;
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
