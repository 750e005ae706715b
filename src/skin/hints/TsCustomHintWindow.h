#pragma once
// The base of the hint manager's hint windows. It measures a hint (CalcHintRect), places it at
// its anchor kept on the desktop (ActivateHint) and composes it: a body (MakeBody: background,
// text, bevel), a shape (MakeMask: white outside, black inside) and a shadow (PaintShadow) on a
// canvas that starts white (per-pixel alpha displays, where the window fades in) or as a copy of
// the screen under the hint (other displays). The four style classes override the slots; while
// the hints are drawn from the skin every style takes this class's slots, which paint the
// manager's skin section.
#include <functional>
#include <optional>
#include <string>

#include "framework/core/HintWindow.h"
#include "gfx/Bitmap.h"
#include "skin/hints/HintTypes.h"

namespace tavra {

class TsHintManager;
class TsHintKind;

class TsCustomHintWindow : public THintWindow {
 public:
  // Steps of the fade-in and the pause between them.
  static constexpr int kFadeSteps = 31;
  static constexpr int kFadeStepMs = 8;
  // Shadow rings beyond this many are not drawn (no hint is that large).
  static constexpr int kMaxShadowBlur = 1024;
  // What waits between two fade steps (by default a real pause on a real clock, none on a
  // virtual one); the window's opacity is set when it is called.
  using FadePause = std::function<void(Window& window, int ms)>;
  static void setFadePause(FadePause pause);

  explicit TsCustomHintWindow(TComponent* owner);
  ~TsCustomHintWindow() override;

  Rect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
  void ActivateHint(Rect rect, const std::string& hint) override;

  virtual Point GetAnchor();
  virtual void PaintShadow(Bitmap& canvas);
  virtual Rect BodyRect();
  virtual Bitmap MakeMask();
  virtual Bitmap MakeBody();
  virtual void PaintBackground(Bitmap& bitmap, const Rect& r);
  virtual void PaintBevel(Bitmap& bitmap);
  virtual void PaintText(Bitmap& bitmap);

  TsMousePosition Corner = mpLeftTop;
  std::optional<Bitmap> ScreenCapture;
  std::optional<Bitmap> BodyBitmap;
  std::optional<Bitmap> ShapeMask;
  int SectionIndex = -1;
  int BorderMaskIndex = -1;
  int PatternIndex = -1;
  int ExtraWidth = 0;
  int ExtraHeight = 0;

  // The image a per-pixel alpha display shows (empty on the capture path).
  const Bitmap& layerImage() const { return layer_; }
  // Whether the window asks for the system's drop shadow (hints drawn from the skin).
  bool systemDropShadow() const { return systemDropShadow_; }
  // ShapeMask := MakeMask, and the window's region from it while the skin draws the hints.
  void UpdateRegion();

 protected:
  void CreateParams(WindowParams& params) override;
  void WndProc(TMessage& msg) override;
  void Paint() override;

  // The manager the window works for and its settings (callers check hasManager first).
  static bool hasManager();
  static TsHintManager& manager();
  static TsHintKind& kind();
  static bool usesSkinData();
  // Whether the display composes per-pixel alpha windows (otherwise the capture path).
  static bool layeredWindows();
  Size clientSizeNow() const { return {width(), height()}; }
  // The corner the tail of a shaped hint ends at: 3 pixels in from the anchor's corner.
  Point TailPoint() const;
  // The skin section's width of a border side (0 left, 1 top, 2 right, 3 bottom).
  int SkinBorderWidth(int side) const;
  // The border text inset of the skin section, or of the margins and bevel.
  Rect textRect();

  // A new white bitmap of the window's size with the background over `backgroundRect`, then the
  // text, then the bevel (the body of the HintKind styles).
  Bitmap composeBody(const Rect& backgroundRect);
  // While a control is shown in the hint, BodyBitmap holds the body under it for its SKC_GETBG.
  void shareBodyWithFrame(const Bitmap& body);
  // The shape of a shaped style (body and tail), moved by `shift`, `inset` pixels in from its
  // edges, filled in `grey`; nothing for the base.
  virtual void FillShape(Canvas& canvas, Point shift, int inset, Color grey);
  // White with the shape filled in grey g.
  Bitmap shapeMask(int g);
  // White with ShadowBlur + 1 rings of the shape moved by `shift`, ring k inset by k pixels in
  // grey a0 + round((ShadowBlur − k) × (255 − a0) / (ShadowBlur + 1)): darkest inside.
  Bitmap ringedShadowMask(int a0, Point shift);
  // The grey of a mask's inside where a display lacks per-pixel alpha (0 where it has it).
  static int insideGrey(bool balloon);

  // For the shaped styles: the body less the tail band of ExOffset pixels (above the body when
  // the tail points up, below it when it points down) and less the shadow offset.
  Rect bandedBodyRect();
  // The tail from TailPoint to the body's middle line, its base Width(body) div 8 to each side
  // of the middle, narrowed by `inset` pixels on each side.
  void fillTail(Canvas& canvas, const Rect& body, Point shift, int inset, Color grey);

 private:
  void activateLayered(const Rect& rect);
  void activateCaptured(const Rect& rect);
  void fadeIn(Window& window, int transparency);
  void paintFrame(Bitmap& bitmap, const Rect& t);

  Bitmap layer_;
  bool systemDropShadow_ = false;
};

}  // namespace tavra
