#include "framework/controls/TreeViewTip.h"

namespace tavra {

TreeViewTip::TreeViewTip(TComponent* owner) : THintWindow(owner) {}

void TreeViewTip::showOver(const Rect& labelScreen, const std::string& text, const Font& font, int padding) {
  padding_ = padding;
  setFont(font);
  setCaption(text);
  // The one-pixel frame lies around the label, so the client area is the label itself.
  Window& w = handle();
  setBoundsRect(labelScreen.inflatedBy(1, 1));
  if (!visible()) setVisible(true);
  w.bringToFront();
  Invalidate();
}

void TreeViewTip::Paint() {
  Canvas& c = *canvas();
  Rect r = clientRect();
  c.fillRect(r, color());
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setTextColor(systemColor(SysColor::InfoText));
  c.drawText(caption(), r.inflatedBy(-padding_, 0), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
}

}  // namespace tavra
