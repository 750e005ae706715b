#include "skin/labels/TsBoundLabel.h"

#include <algorithm>

#include "framework/core/WinControl.h"
#include "skin/labels/TsLabel.h"

namespace tavra {

void TsBoundLabel::setActive(bool on) {
  if (on == active_) return;
  active_ = on;
  if (on) {
    label_ = &edit_.make<TsLabel>();
    label_->setName(edit_.name() + "Label");
    update();
  } else if (label_) {
    TsLabel* gone = label_;
    label_ = nullptr;
    edit_.destroyComponent(*gone);
  }
}

void TsBoundLabel::setCaption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  update();
}

void TsBoundLabel::setIndent(int pixels) {
  if (pixels == indent_) return;
  indent_ = pixels;
  follow();
}

void TsBoundLabel::setLayout(TsCaptionPlacement layout) {
  if (layout == layout_) return;
  layout_ = layout;
  follow();
}

void TsBoundLabel::setMaxWidth(int pixels) {
  pixels = std::max(pixels, 0);
  if (pixels == maxWidth_) return;
  maxWidth_ = pixels;
  update();
}

void TsBoundLabel::setUseSkinColor(bool on) {
  if (on == useSkinColor_) return;
  useSkinColor_ = on;
  update();
}

void TsBoundLabel::setFont(const Font& font) {
  font_ = font;
  hasFont_ = true;
  update();
}

void TsBoundLabel::update() {
  if (!label_) return;
  label_->setUseSkinColor(useSkinColor_);
  if (hasFont_) label_->setFont(font_);
  label_->setAutoSize(true);
  label_->setCaption(caption_.empty() ? edit_.name() : caption_);
  if (maxWidth_ > 0 && label_->width() > maxWidth_) {
    label_->setAutoSize(false);
    label_->setBounds(label_->left(), label_->top(), maxWidth_, label_->height());
  }
  follow();
}

void TsBoundLabel::follow() {
  if (!label_) return;
  if (label_->parent() != edit_.parent()) label_->setParent(edit_.parent());
  const int w = label_->width();
  const int h = label_->height();
  int x = edit_.left();
  int y = edit_.top() - indent_ - h;
  switch (layout_) {
    case TsCaptionPlacement::sclLeft:
      x = edit_.left() - (indent_ + 4) - w;
      y = edit_.top() + (edit_.height() - h) / 2;
      break;
    case TsCaptionPlacement::sclTopLeft:
      break;
    case TsCaptionPlacement::sclTopCenter:
      x = edit_.left() + (edit_.width() - w) / 2;
      break;
    case TsCaptionPlacement::sclTopRight:
      x = edit_.left() + edit_.width() - w;
      break;
  }
  label_->setBounds(x, y, w, h);
  label_->setVisible(edit_.visible());
}

}  // namespace tavra
