#pragma once
// The skinned bit button: its section (BUTTON) in the normal, hot (hovered, focused or default)
// or pressed state, its glyph and caption drawn over or under the border mask, the mask's
// transparent corners cut from its window, a disabled look over its parent, and cross-fades
// between the looks on the mouse events it animates. Unbound, the framework's bit button.
#include <memory>
#include <optional>

#include "framework/controls/BitBtn.h"
#include "gfx/Region.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/DisabledCaption.h"
#include "skin/controls/TsButtonProperties.h"
#include "skin/binding/TsFadeTimer.h"
#include "skin/controls/TsSkinnedControl.h"

namespace tavra {

class TsBitBtn : public TsSkinnedControl<TBitBtn>, public TsButtonProperties {
 public:
  explicit TsBitBtn(TComponent* owner);
  ~TsBitBtn() override;

  // A focused button shows a dotted frame around its text, `focusMargin` pixels out, where its
  // section allows one.
  bool showFocus() const { return showFocus_; }
  void setShowFocus(bool on);
  int focusMargin() const { return focusMargin_; }
  void setFocusMargin(int margin);
  // Shown pressed whatever the mouse does.
  bool down() const { return down_; }
  void setDown(bool on);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool on);
  // Where glyph and caption go together in the button.
  TAlignment alignment() const { return alignment_; }
  void setAlignment(TAlignment a);
  // The framework's pressed state: the mouse or the space bar holds the button.
  bool pushed() const { return TBitBtn::down(); }

  // The fade running now, or null.
  const TsFadeTimer* fadeTimer() const { return fadeTimer_ && fadeTimer_->running() ? fadeTimer_.get() : nullptr; }
  // The shape cut by the border mask's transparent pixels (none while the button is a rectangle).
  const std::optional<Region>& shape() const { return shape_; }

  void WndProc(TMessage& m) override;

 protected:
  void Paint() override;
  int skinState() const override;
  void buttonPropertyChanged() override;

 private:
  enum class HalfLength { No, Yes };
  void composeButton();
  // Draws glyph and caption; a disabled button's caption is returned instead, to be written
  // over the disabled effect.
  std::optional<DisabledCaption> drawContent(Bitmap& cache, int state);
  void applyShape();
  // Shows the look after a mouse event: a cross-fade when the event animates, else at once.
  void showChange(TacAnimatEvent event, HalfLength half);
  void stopFade();
  void freeFadeTimer();
  void withoutRedraw(TMessage& m);
  void handleMouseUp(TMessage& m);

  bool showFocus_ = true;
  int focusMargin_ = 1;
  bool down_ = false;
  bool wordWrap_ = true;
  TAlignment alignment_ = TAlignment::taCenter;
  bool pressedHere_ = false;    // the left button went down on the button
  bool forcedPressed_ = false;  // the pressed look is being redrawn at once
  int composedState_ = -1;
  int composedSpacing_ = 4;
  std::optional<Region> shape_;
  bool shapeChanged_ = false;
  Rect shapedBounds_;
  std::unique_ptr<TsFadeTimer> fadeTimer_;
  std::unique_ptr<TsFadeTimer> retiredTimer_;  // a finished fade, freed outside its own tick
};

}  // namespace tavra
