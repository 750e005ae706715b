#pragma once
// The component that takes over every hint of the application: it puts one of its own hint
// window classes in place of the framework's (chosen by HintKind.Style), sets the application's
// hint pauses, and keeps the look settings, the anchor of the next hint and the canvas every hint
// is measured and composed on. The framework still decides when a hint shows and goes.
//
// One manager serves the whole process: the last one that applied a drawn style is the current
// one, and every skinned hint window asks it for its settings.
#include <functional>
#include <memory>
#include <string>

#include "framework/core/Component.h"
#include "framework/core/HintInfo.h"
#include "framework/core/WinControl.h"
#include "gfx/Bitmap.h"
#include "skin/hints/HintTypes.h"
#include "skin/hints/TsHintKind.h"

namespace tavra {

// Called before every hint with the text, whether it shows, the hint information (HintPos is the
// proposed screen position) and a slot for a control to show in the hint instead of the text.
using TacShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo,
                                            std::unique_ptr<TWinControl>& frame)>;

class TsHintManager : public TComponent {
 public:
  static constexpr int kHintPause = 500;
  static constexpr int kHintShortPause = 200;
  static constexpr int kDefaultPauseHide = 5000;

  explicit TsHintManager(TComponent* owner);
  ~TsHintManager() override;

  // Published properties.
  TacShowHintEvent OnShowHint;
  bool Animated = true;
  TsMousePosition DefaultMousePos = mpLeftTop;
  TsHintKind& HintKind() { return *hintKind_; }
  const TsHintKind& HintKind() const { return *hintKind_; }
  bool HTMLMode = false;
  int PauseHide() const { return pauseHide_; }
  void setPauseHide(int ms);
  TsHintsPredefinitions Predefinitions() const { return predefinitions_; }
  // Stored only: it takes effect at the next load or the next UseSkinData := false.
  void setPredefinitions(TsHintsPredefinitions p) { predefinitions_ = p; }
  const std::string& SkinSection() const { return skinSection_; }
  void setSkinSection(const std::string& section) { skinSection_ = section; }
  bool UseSkinData() const { return useSkinData_; }
  void setUseSkinData(bool use);

  // Whether hints are drawn from the skin: a current manager, a default skin manager with a
  // loaded skin, this manager's UseSkinData, and the current manager's section in that skin.
  bool UsesSkinData() const;
  // Puts the hint window class of `style` in place and makes this the current manager (none for
  // the standard and the suppressed styles).
  void ApplyStyle(TsHintStyle style);
  void ApplyPredefinition();

  // The manager the skinned hint windows work for (null: none; they show nothing).
  static TsHintManager* current();

  // The canvas hints are measured and composed on, resized for each hint.
  Bitmap& HintCanvas() { return hintCanvas_; }
  // The anchor point of the next hint (x = -1: none, the pointer is used).
  Point HintPosition{-1, -1};
  // The control an OnShowHint handler handed over, shown by the next hint instead of its text.
  std::unique_ptr<TWinControl>& customHintFrame() { return customFrame_; }

  // The application's show-hint handler (installed at construction).
  void ShowHint(std::string& hintStr, bool& canShow, THintInfo& hintInfo);

 protected:
  void Loaded() override;

 private:
  std::unique_ptr<TsHintKind> hintKind_;
  Bitmap hintCanvas_;
  int pauseHide_ = kDefaultPauseHide;
  TsHintsPredefinitions predefinitions_ = shEllipse;
  std::string skinSection_;
  bool useSkinData_ = false;
  std::unique_ptr<TWinControl> customFrame_;
};

}  // namespace tavra
