#pragma once
// A panel: a container with bevels around a coloured face and an optional centred caption.
#include "framework/core/BorderStyle.h"
#include "framework/core/CustomControl.h"

namespace tavra {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* owner);

  TBevelCut bevelOuter() const { return bevelOuter_; }
  void setBevelOuter(TBevelCut b);
  TBevelCut bevelInner() const { return bevelInner_; }
  void setBevelInner(TBevelCut b);
  int bevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int w);
  int borderWidth() const { return borderWidth_; }
  void setBorderWidth(int w);
  TAlignment alignment() const { return alignment_; }
  void setAlignment(TAlignment a);
  TBorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle b);

 protected:
  void Paint() override;
  void CreateParams(WindowParams& params) override;

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TAlignment alignment_ = TAlignment::taCenter;
  TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

}  // namespace tavra
