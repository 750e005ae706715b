#pragma once
// The skinning provider of one form: it takes over the form's window procedure, composes the
// whole window (frame, caption bar with icon, text and caption buttons, menu bar, client
// background) from the skin into one picture, shows the non-client parts of it in place of the
// window system's frame, shapes the window by the skin's transparent corner pixels, tracks hover
// and presses on its caption buttons and offers the skinned system menu.
//
// Painting is split in two layers so that an activation change redraws only the second:
//   background  FORM section (border mask, corners, texture) over the whole window
//   caption     caption section, icon, TITLEBAR band, menu bar, caption buttons, caption text
// The background is kept per state; the strip behind the caption buttons is kept too, so that a
// hover or press redraws one button.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/frames/CaptionButtons.h"
#include "skin/frames/FrameMetrics.h"
#include "skin/binding/TsCommonData.h"
#include "skin/binding/WindowlessComposer.h"
#include "winsys/Window.h"

namespace tavra {

class Canvas;
class TacGlowEffect;
class TCustomForm;
class TsSystemMenu;

enum class TsCaptionAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TsGripMode { gmNone, gmRightBottom };
enum class TsResizeMode { rmStandard, rmBorder };

class TsSkinProvider final : public SkinFormProvider {
 public:
  // Takes over the form's window procedure; `manager` null means the default manager.
  TsSkinProvider(TCustomForm& form, TsSkinManager* manager);
  ~TsSkinProvider() override;
  TsSkinProvider(const TsSkinProvider&) = delete;
  TsSkinProvider& operator=(const TsSkinProvider&) = delete;

  // While a caption button is hot, the provider looks every 50 ms with this timer whether the
  // pointer has left the window without a message telling it (nothing reports leaving a frame).
  static constexpr std::uintptr_t kHoverWatchTimer = 0x5EC1;

  // Published properties.
  TsCaptionAlignment CaptionAlignment = TsCaptionAlignment::taLeftJustify;
  bool DrawNonClientArea = true;
  TsCommonData SkinData;
  TsGripMode GripMode = TsGripMode::gmNone;
  bool MakeSkinMenu = false;
  std::string MenuLineSkin;
  TsResizeMode ResizeMode = TsResizeMode::rmStandard;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool ShowAppIcon = true;
  std::string TitleSkin;
  bool UseGlobalColor = true;
  // A message box's provider passes the skin commands on to the box's controls itself (the
  // manager sends them to the box's window only).
  bool PassCommandsToControls = false;
  // The section the form binds when the skin has it ("FORM" otherwise); empty: always "FORM".
  std::string PreferredSection;
  // Runs after the provider took a skin, a new skin or lost it (a box recolours its text).
  std::function<void()> OnSkinApplied;

  TCustomForm& form() const { return form_; }
  // Binds to the current skin: sections, caption button pictures, the form's colour.
  void PrepareForm();

  // SkinFormProvider.
  TsSkinManager* skinManager() const override { return SkinData.skinManagerProperty(); }
  bool drawsNonClientArea() const override { return DrawNonClientArea; }
  std::unique_ptr<SkinChangeAnimation> prepareSkinChange() override;

  // State.
  bool formActive() const { return formActive_; }
  int hotItem() const { return hotItem_; }
  static bool buttonPressed() { return buttonPressed_; }
  bool hadSystemMenu() const { return hadSystemMenu_; }
  const FrameMetrics& metrics() const { return metrics_; }
  const CaptionButtonSet& captionButtons() const { return buttons_; }
  const Bitmap& windowPicture() const { return SkinData.CacheBitmap; }
  // The provider paints the frame now (a skin is bound and DrawNonClientArea is set).
  bool paintsFrame() const;
  bool isSkinned() const;

  // Composes the whole window into the picture when it is out of date (both layers), or only the
  // caption layer after an activation change.
  void UpdatePicture();
  void ComposeWindow();
  void ComposeCaptionLayer();
  // Hover and press of the caption buttons (codes 8, 9, 20, 21; 0 none).
  void SetHotItem(int code);
  void PressItem(int code);
  // The hit-test answer for a point in window coordinates (nullopt: the replaced procedure's).
  std::optional<LResult> HitTest(Point windowPoint);
  // The system menu at a screen point.
  void ShowSystemMenu(Point screen);
  // A caption button's look redrawn from the saved strip and shown.
  void RedrawButton(int index);

 private:
  LResult windowProc(Window& w, MessageId msg, WParam wParam, LParam lParam);
  // The messages of the frame, for the form's window and for the bar of a minimised form: paint,
  // hit test, caption button hover and clicks, the system menu. nullopt: not consumed.
  std::optional<LResult> frameMessage(Window& w, MessageId msg, WParam wParam, LParam lParam);
  LResult callPrevious(MessageId msg, WParam wParam, LParam lParam);
  LResult skinCommand(WParam wParam, LParam lParam);
  void onSkinChange(unsigned command, LParam manager);
  void removeSkin();
  void measure();
  void updateRegion();
  void paintNonClient(const Region* limit);
  void printNonClient(Canvas& canvas);
  bool eraseClient(Canvas& canvas);
  // The client paint while the client shows the cache: the form's OnPaint, then its windowless
  // children composed off-screen. False when the framework paints the client as usual.
  bool paintClient(Window& w);
  void answerBackground(LParam info);
  void releaseOver(Point screen);
  void mouseMoveWhilePressed(Point screen);
  void updateGlow(int index, bool hot);
  void startHoverWatch();

  // The bar that stands for the minimised form when the display keeps no place for minimised
  // windows (TsSkinProviderBar.cpp): the provider paints it as the form's minimised caption.
  // The window that shows the frame: that bar while there is one, else the form's window.
  Window* frameWindow() const;
  Size frameSize() const;
  // After a minimise or restore: takes the form's bar over, or lets it go, and recomposes.
  void followMinimizedBar();
  void releaseMinimizedBar();
  LResult barProc(Window& bar, MessageId msg, WParam wParam, LParam lParam);

  // Composition pieces (TsSkinProviderPaint.cpp).
  void composeBackground(Bitmap& target, int state);
  void paintCaptionLayer();
  void paintMenuBar();
  void paintIcon(Canvas& canvas);
  void paintCaptionText();
  void drawButton(int index);
  void copyToWindow(const Rect& windowRect);
  int state() const { return formActive_ ? 1 : 0; }
  int captionSection() const;
  int menuLineSection() const;
  CaptionLayout captionLayout() const;

  static inline bool buttonPressed_ = false;  // a caption button is held down: one flag for the process
  TCustomForm& form_;
  WindowHandle handle_ = 0;
  WindowProc previous_;
  WindowHandle barHandle_ = 0;   // the minimised form's bar whose procedure the provider replaced
  WindowProc barPrevious_;
  std::unique_ptr<TsSystemMenu> systemMenu_;
  WindowlessComposer windowless_;
  bool formActive_ = true;
  bool hadSystemMenu_ = false;
  int hotItem_ = 0;
  bool pressCapture_ = false;    // the mouse is captured while a caption button is pressed
  FrameMetrics metrics_;
  CaptionButtonSet buttons_;
  std::array<std::unique_ptr<TacGlowEffect>, kCaptionButtonCount> glows_;
  bool regionDirty_ = true;
  bool captionDirty_ = true;     // the caption layer must be drawn again
  Size composedSize_;
  std::array<Bitmap, 2> backgrounds_;  // the composed background per state (0 inactive, 1 active)
  Bitmap strip_;                 // the caption behind the buttons
  Rect stripRect_;
  struct MenuBarLook {
    int selected = -1;
    bool open = false;
    bool accelerators = false;
    bool operator==(const MenuBarLook&) const = default;
  } menuLook_;
};

}  // namespace tavra
