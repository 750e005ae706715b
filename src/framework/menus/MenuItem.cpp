#include "framework/menus/MenuItem.h"

#include <algorithm>

#include "base/Text.h"
#include "framework/core/Draw3D.h"
#include "framework/core/ImageList.h"
#include "framework/menus/Menu.h"
#include "gfx/AlphaConversion.h"
#include "winsys/SystemMetrics.h"

namespace tavra {
namespace {

constexpr int kSeparatorHeight = 9;
constexpr int kMinItemHeight = 17;
constexpr int kMinGlyphColumn = 16;
constexpr int kGlyphMargin = 3;     // on each side of the picture column
constexpr int kTextGap = 2;         // between the picture column and the caption
constexpr int kArrowColumn = 20;    // right of the caption: the submenu arrow
constexpr int kBarItemPadding = 6;  // on each side of a bar item's caption
constexpr int kShortCutGap = 12;    // at least between the caption and the shortcut

Color sys(SysColor c) { return systemColor(c); }

Font menuFont(bool bold) {
  Font f = systemFont();
  if (bold) f.style |= fsBold;
  return f;
}

//  The check mark: a 7-column tick, each column three pixels tall.
//     x: 0 1 2 3 4 5 6
//  top:  2 3 4 3 2 1 0
void drawCheck(Canvas& c, Point centre, Color ink) {
  static constexpr int kTops[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i) c.fillRect(Rect::fromSize(centre.x - 3 + i, centre.y - 3 + kTops[i], 1, 3), ink);
}

void drawRadioDot(Canvas& c, Point centre, Color ink) { c.fillEllipse(Rect::fromSize(centre.x - 3, centre.y - 3, 6, 6), ink); }

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  setState(csDestroying);
  for (TMenuItem* child : items_) child->parent_ = nullptr;
  items_.clear();
  if (parent_) parent_->Remove(*this);
}

void TMenuItem::changed() {
  if (isDestroying()) return;
  if (TMenu* menu = GetParentMenu()) menu->itemsChanged();
}

void TMenuItem::setCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  changed();
}

void TMenuItem::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  changed();
}

void TMenuItem::setVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  changed();
}

void TMenuItem::setChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  changed();
}

void TMenuItem::setRadioItem(bool on) {
  if (on == radioItem_) return;
  radioItem_ = on;
  changed();
}

void TMenuItem::setDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  changed();
}

void TMenuItem::setBreak(TMenuBreak b) {
  if (b == break_) return;
  break_ = b;
  changed();
}

void TMenuItem::setBitmap(Bitmap b) {
  bitmap_ = std::move(b);
  changed();
}

void TMenuItem::setImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  changed();
}

void TMenuItem::setShortCut(const TShortCut& shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  changed();
}

void TMenuItem::setSubMenuImages(TImageList* images) {
  if (images == subMenuImages_) return;
  subMenuImages_ = images;
  changed();
}

char32_t TMenuItem::accelerator() const {
  std::u32string text = utf8ToCodePoints(caption_);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != U'&') continue;
    if (text[i + 1] == U'&') {
      ++i;
      continue;
    }
    return utf8ToCodePoints(toUpperUtf8(codePointsToUtf8(std::u32string(1, text[i + 1])))).front();
  }
  return 0;
}

char32_t TMenuItem::firstLetter() const {
  std::u32string text = utf8ToCodePoints(toUpperUtf8(caption_));
  for (char32_t c : text) {
    if (c != U'&') return c;
  }
  return 0;
}

int TMenuItem::menuIndex() const {
  if (!parent_) return -1;
  auto it = std::find(parent_->items_.begin(), parent_->items_.end(), this);
  return static_cast<int>(it - parent_->items_.begin());
}

void TMenuItem::Add(TMenuItem& item) { Insert(count(), item); }

void TMenuItem::Insert(int index, TMenuItem& item) {
  if (&item == this || item.parent_ == this) return;
  if (item.parent_) item.parent_->Remove(item);
  index = std::clamp(index, 0, count());
  items_.insert(items_.begin() + index, &item);
  item.parent_ = this;
  changed();
}

void TMenuItem::Remove(TMenuItem& item) {
  auto it = std::find(items_.begin(), items_.end(), &item);
  if (it == items_.end()) return;
  items_.erase(it);
  item.parent_ = nullptr;
  changed();
}

std::vector<TMenuItem*> TMenuItem::visibleItems() const {
  std::vector<TMenuItem*> out;
  for (TMenuItem* item : items_) {
    if (item->visible()) out.push_back(item);
  }
  return out;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TImageList* TMenuItem::images() const {
  if (parent_ && parent_->subMenuImages_) return parent_->subMenuImages_;
  TMenu* menu = GetParentMenu();
  return menu ? menu->images() : nullptr;
}

void TMenuItem::Click() {
  if (OnClick) OnClick(*this);
}

Size TMenuItem::glyphSize() const {
  if (!bitmap_.isEmpty()) return bitmap_.size();
  if (TImageList* list = images(); list && imageIndex_ >= 0) return {list->width(), list->height()};
  return {};
}

void TMenuItem::MeasureItem(Canvas& canvas, int& width, int& height, bool topLevel) {
  measureDefault(canvas, width, height, topLevel);
  TMenu* menu = GetParentMenu();
  if (menu && menu->ownerDraw() && OnMeasureItem) OnMeasureItem(*this, canvas, width, height);
}

void TMenuItem::DrawItem(Canvas& canvas, const Rect& rect, TOwnerDrawState state, bool topLevel) {
  TMenu* menu = GetParentMenu();
  bool ownerDrawn = menu && menu->ownerDraw();
  if (ownerDrawn && OnAdvancedDrawItem) {
    OnAdvancedDrawItem(*this, canvas, rect, state);
  } else if (ownerDrawn && OnDrawItem) {
    OnDrawItem(*this, canvas, rect, (state & odSelected) != 0);
  } else {
    drawDefault(canvas, rect, state, topLevel);
  }
}

void TMenuItem::measureDefault(Canvas& c, int& width, int& height, bool topLevel) const {
  Canvas::StateSaver saver(c);
  c.setFont(menuFont(default_));
  Rect text;
  c.drawText(caption_.empty() ? " " : caption_, text, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  Size glyph = glyphSize();
  if (topLevel) {
    width = text.width() + 2 * kBarItemPadding + (glyph.width > 0 ? glyph.width + kBarItemPadding : 0);
    height = systemMetric(Metric::MenuBarHeight) - 1;
    return;
  }
  if (isLine()) {
    width = 0;
    height = kSeparatorHeight;
    return;
  }
  int column = std::max(kMinGlyphColumn, glyph.width) + 2 * kGlyphMargin;
  const std::string keys = shortCutText();
  const int keysWidth = keys.empty() ? 0 : kShortCutGap + c.textWidth(keys);
  width = column + kTextGap + text.width() + keysWidth + kArrowColumn;
  height = std::max({kMinItemHeight, text.height() + 4, glyph.height + 4});
}

void TMenuItem::drawGlyph(Canvas& c, const Rect& column, TOwnerDrawState state) const {
  bool selected = (state & odSelected) != 0;
  bool disabled = (state & odDisabled) != 0;
  bool checked = (state & odChecked) != 0;
  Size glyph = glyphSize();
  Point at{column.left + (column.width() - glyph.width) / 2, column.top + (column.height() - glyph.height) / 2};
  if (glyph.width > 0 && checked) {
    // A checked picture sits in a sunken square.
    Rect frame = Rect::fromSize(at, glyph).inflatedBy(1, 1);
    c.fillRect({frame.left, frame.top, frame.right, frame.top + 1}, sys(SysColor::BtnShadow));
    c.fillRect({frame.left, frame.top, frame.left + 1, frame.bottom}, sys(SysColor::BtnShadow));
    c.fillRect({frame.left, frame.bottom - 1, frame.right, frame.bottom}, sys(SysColor::BtnHighlight));
    c.fillRect({frame.right - 1, frame.top, frame.right, frame.bottom}, sys(SysColor::BtnHighlight));
  }
  if (!bitmap_.isEmpty()) {
    if (bitmap_.format() == PixelFormat::Bits32) {
      Bitmap blend = premultipliedAlpha(bitmap_, disabled ? 110 : 255);
      c.alphaBlend(Rect::fromSize(at, glyph), blend, blend.bounds(), 255, AlphaSource::PerPixel);
    } else if (bitmap_.transparent) {
      c.drawBitmapTransparent(Rect::fromSize(at, glyph), bitmap_, bitmap_.bounds(), bitmap_.transparentColor);
    } else {
      c.drawBitmap(at, bitmap_);
    }
    return;
  }
  if (TImageList* list = images(); list && imageIndex_ >= 0) {
    list->draw(c, at.x, at.y, imageIndex_, disabled ? TImageList::DrawStyle::Disabled : TImageList::DrawStyle::Normal);
    return;
  }
  if (!checked) return;
  Color ink = disabled ? sys(SysColor::GrayText) : selected ? sys(SysColor::HighlightText) : sys(SysColor::MenuText);
  Point centre{column.left + column.width() / 2, column.top + column.height() / 2};
  if (radioItem_) drawRadioDot(c, centre, ink);
  else drawCheck(c, centre, ink);
}

void TMenuItem::drawDefault(Canvas& c, const Rect& rect, TOwnerDrawState state, bool topLevel) const {
  Canvas::StateSaver saver(c);
  bool selected = (state & odSelected) != 0;
  bool disabled = (state & odDisabled) != 0;
  unsigned prefix = (state & odNoAccel) ? static_cast<unsigned>(DT_HIDEPREFIX) : 0u;
  c.setFont(menuFont(default_));
  c.setBackgroundMode(BackgroundMode::Transparent);
  if (topLevel) {
    // Bar items: sunken while their menu is open, raised while hot.
    c.fillRect(rect, sys(SysColor::MenuBar));
    bool hot = (state & odHotLight) != 0;
    if (selected || hot) {
      Color tl = selected ? sys(SysColor::BtnShadow) : sys(SysColor::BtnHighlight);
      Color br = selected ? sys(SysColor::BtnHighlight) : sys(SysColor::BtnShadow);
      Rect r = rect;
      Frame3D(c, r, tl, br, 1);
    }
    Rect text = selected ? rect.offsetBy(1, 1) : rect;
    Size glyph = glyphSize();
    if (glyph.width > 0) {
      drawGlyph(c, Rect{text.left + kBarItemPadding / 2, text.top, text.left + kBarItemPadding / 2 + glyph.width, text.bottom}, state);
      text.left += glyph.width + kBarItemPadding / 2;
    }
    unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix;
    if (disabled) {
      DrawDisabledText(c, caption_, text, flags);
    } else {
      c.setTextColor(sys(SysColor::MenuText));
      c.drawText(caption_, text, flags);
    }
    return;
  }
  c.fillRect(rect, selected ? sys(SysColor::Highlight) : sys(SysColor::Menu));
  if (isLine()) {
    int y = rect.top + rect.height() / 2 - 1;
    c.fillRect({rect.left + 1, y, rect.right - 1, y + 1}, sys(SysColor::BtnShadow));
    c.fillRect({rect.left + 1, y + 1, rect.right - 1, y + 2}, sys(SysColor::BtnHighlight));
    return;
  }
  Size glyph = glyphSize();
  int columnWidth = std::max(kMinGlyphColumn, glyph.width) + 2 * kGlyphMargin;
  drawGlyph(c, Rect{rect.left, rect.top, rect.left + columnWidth, rect.bottom}, state);
  Rect text{rect.left + columnWidth + kTextGap, rect.top, rect.right - kArrowColumn, rect.bottom};
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | prefix;
  Color ink = selected ? sys(SysColor::HighlightText) : sys(SysColor::MenuText);
  auto write = [&](const std::string& s, unsigned f) {
    if (disabled && !selected) {
      DrawDisabledText(c, s, text, f);
    } else {
      c.setTextColor(disabled ? sys(SysColor::GrayText) : ink);
      c.drawText(s, text, f);
    }
  };
  write(caption_, flags);
  // The shortcut ends where the arrow column begins, so the shortcuts of a menu line up.
  if (const std::string keys = shortCutText(); !keys.empty()) write(keys, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (hasSubmenu()) {
    // A 4 × 7 arrow pointing right.
    Color arrow = disabled ? sys(SysColor::GrayText) : ink;
    int x = rect.right - 12, y = rect.top + (rect.height() - 7) / 2;
    for (int i = 0; i < 4; ++i) c.fillRect(Rect::fromSize(x + i, y + i, 1, 7 - 2 * i), arrow);
  }
}

}  // namespace tavra
