#pragma once
// The skinned speed button, a windowless button that paints into its parent: its section
// (SPEEDBUTTON) in the normal, hot or pressed state with glyph and caption, as a separator (the
// parent's background) or a divider (the skin's DIVIDER mask), a check button, or a button with a
// drop-down part that opens its menu; animated between looks on the mouse events it animates.
// Unbound, the framework's speed button.
#include <memory>
#include <optional>

#include "framework/controls/SpeedButton.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/DisabledCaption.h"
#include "skin/binding/TsAnimTimer.h"
#include "skin/controls/TsButtonProperties.h"
#include "skin/controls/TsSkinnedControl.h"

namespace tavra {

class TPopupMenu;

enum class TsButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TsSpeedButton : public TsSkinnedControl<TSpeedButton>, public TsButtonProperties {
 public:
  static constexpr int kDropDownWidth = 15;

  explicit TsSpeedButton(TComponent* owner) : TsSpeedButton(owner, ControlKind::SpeedButton) {}
  // A speed button of another kind (a frame bar's title button is kind 20, "BARTITLE").
  TsSpeedButton(TComponent* owner, int kind);
  ~TsSpeedButton() override;

  TsButtonStyle buttonStyle() const { return buttonStyle_; }
  void setButtonStyle(TsButtonStyle style);
  // The menu the drop-down part opens (not owned).
  TPopupMenu* dropdownMenu() const { return dropdownMenu_; }
  void setDropdownMenu(TPopupMenu* menu) { dropdownMenu_ = menu; }
  // A check button's state (tbsCheck): toggled by every click.
  bool checked() const { return checked_; }
  void setChecked(bool on);

  // The animation running now, or null.
  const TsAnimTimer* animTimer() const { return animTimer_ && animTimer_->running() ? animTimer_.get() : nullptr; }

  void WndProc(TMessage& m) override;
  void Click() override;

 protected:
  void Paint() override;
  int skinState() const override;
  void buttonPropertyChanged() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  enum class HalfLength { No, Yes };
  void composeButton();
  // Draws glyph and caption; a disabled button's caption is returned instead, to be written
  // over the disabled effect.
  std::optional<DisabledCaption> drawContent(Bitmap& cache, int state);
  void drawDropDownPart(Bitmap& cache, const TsCacheView& view);
  int dropDownState() const;
  void animate(TacAnimatEvent event, HalfLength half);
  void freeAnimTimer();
  bool animationShowing() const;

  TsButtonStyle buttonStyle_ = TsButtonStyle::tbsButton;
  TPopupMenu* dropdownMenu_ = nullptr;
  bool checked_ = false;
  bool menuDropped_ = false;
  int composedState_ = -1;
  int composedGlyphs_ = -1;
  int composedSpacing_ = -1;
  bool composedDown_ = false;
  std::unique_ptr<TsAnimTimer> animTimer_;
  std::unique_ptr<TsAnimTimer> retiredTimer_;  // a finished animation, freed outside its own tick
};

}  // namespace tavra
