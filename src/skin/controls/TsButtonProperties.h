#pragma once
// The published properties skinned bit and speed buttons share: which mouse events cross-fade,
// the order of border and content, the disabled looks, the glyph's transparency, greyness and
// reflection, the image-list glyph, and the caption's visibility, alignment and offset. A change
// asks the button to compose its look again.
#include "framework/core/Control.h"
#include "skin/binding/BindingPainting.h"
#include "skin/binding/ButtonFades.h"
#include "skin/controls/SkinButtonGlyph.h"

namespace tavra {

class TImageList;

class TsButtonProperties {
 public:
  virtual ~TsButtonProperties() = default;

  TacAnimatEvents animatEvents() const { return animatEvents_; }
  void setAnimatEvents(TacAnimatEvents events) { assign(animatEvents_, events, Recompose::No); }
  bool drawOverBorder() const { return drawOverBorder_; }
  void setDrawOverBorder(bool on) { assign(drawOverBorder_, on); }
  unsigned disabledKind() const { return disabledKind_; }
  void setDisabledKind(unsigned kinds) { assign(disabledKind_, kinds); }
  unsigned disabledGlyphKind() const { return disabledGlyphKind_; }
  void setDisabledGlyphKind(unsigned kinds) { assign(disabledGlyphKind_, kinds); }
  int blend() const { return blend_; }
  void setBlend(int percent) { assign(blend_, percent < 0 ? 0 : percent > 100 ? 100 : percent); }
  bool grayed() const { return grayed_; }
  void setGrayed(bool on) { assign(grayed_, on); }
  bool reflected() const { return reflected_; }
  void setReflected(bool on) { assign(reflected_, on); }
  bool showCaption() const { return showCaption_; }
  void setShowCaption(bool on) { assign(showCaption_, on); }
  TAlignment textAlignment() const { return textAlignment_; }
  void setTextAlignment(TAlignment a) { assign(textAlignment_, a); }
  int textOffset() const { return textOffset_; }
  void setTextOffset(int offset) { assign(textOffset_, offset); }
  TImageList* images() const { return images_; }
  void setImages(TImageList* list) { assign(images_, list); }
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index) { assign(imageIndex_, index); }

 protected:
  enum class Recompose { No, Yes };
  // The look depends on a property that changed.
  virtual void buttonPropertyChanged() = 0;

 private:
  template <typename T>
  void assign(T& field, T value, Recompose recompose = Recompose::Yes) {
    if (field == value) return;
    field = value;
    if (recompose == Recompose::Yes) buttonPropertyChanged();
  }

  TacAnimatEvents animatEvents_ = aeGlobalDef;
  bool drawOverBorder_ = true;
  unsigned disabledKind_ = dkBlended;
  unsigned disabledGlyphKind_ = dgBlended;
  int blend_ = 0;
  bool grayed_ = false;
  bool reflected_ = false;
  bool showCaption_ = true;
  TAlignment textAlignment_ = TAlignment::taCenter;
  int textOffset_ = 0;
  TImageList* images_ = nullptr;
  int imageIndex_ = -1;
};

}  // namespace tavra
