#pragma once
// A framework group box (or radio group) painted as a skinned group box: its frame section from
// half the caption's height down and the caption on its own section, placed by CaptionLayout and
// CaptionYOffset. Changing any of them, the font or the caption repaints.
#include <string>

#include "skin/controls/GroupBoxLook.h"
#include "skin/controls/TsSkinnedContainer.h"

namespace tavra {

template <typename Base>
class TsCaptionedBox : public TsSkinnedContainer<Base> {
 public:
  TsCaptionedBox(TComponent* owner, int kind) : TsSkinnedContainer<Base>(owner, kind) {}
  using TsSkinnedControl<Base>::SkinData;

  TsCaptionLayout captionLayout() const { return look_.layout; }
  void setCaptionLayout(TsCaptionLayout layout) { change(look_.layout, layout); }
  int captionYOffset() const { return look_.yOffset; }
  void setCaptionYOffset(int offset) { change(look_.yOffset, offset); }
  const std::string& captionSkin() const { return look_.captionSkin; }
  void setCaptionSkin(const std::string& section) { change(look_.captionSkin, section); }

  // The caption's rectangle in the control's font.
  Rect skinCaptionRect() const { return look_.captionRectFor(this->width(), this->caption(), this->font()); }

  void WndProc(TMessage& m) override {
    TsSkinnedControl<Base>::WndProc(m);
    if (m.Msg == CM_FONTCHANGED || m.Msg == CM_TEXTCHANGED) SkinData.RequestRepaint();
  }

 protected:
  void composeSection(Bitmap& cache, int state) override {
    (void)cache;
    (void)state;
    look_.compose(SkinData, this->caption(), this->font(), this->focused());
  }

 private:
  template <typename T>
  void change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    SkinData.RequestRepaint();
  }

  GroupBoxLook look_;
};

}  // namespace tavra
