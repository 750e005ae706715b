#include "framework/controls/Memo.h"

#include <algorithm>

namespace tavra {

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
  setTabStop(true);
  setColor(clWindow);
  setBoundsQuiet(Rect::fromSize(0, 0, 185, 89));
  lines_.OnChange = [this] {
    topLine_ = std::clamp(topLine_, 0, std::max(lines_.Count() - 1, 0));
    Invalidate();
    if (OnChange) OnChange(*this);
  };
}

void TCustomMemo::CreateParams(WindowParams& p) {
  TCustomControl::CreateParams(p);
  if (borderStyle_ == TBorderStyle::bsSingle) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomMemo::setBorderStyle(TBorderStyle b) {
  if (b == borderStyle_) return;
  borderStyle_ = b;
  if (Window* w = window()) {
    std::uint32_t ex = w->exStyle();
    w->setExStyle(b == TBorderStyle::bsSingle ? (ex | WS_EX_CLIENTEDGE) : (ex & ~static_cast<std::uint32_t>(WS_EX_CLIENTEDGE)));
    w->recalcFrame();
    w->invalidateFrame();
    w->invalidate();
  }
}

void TCustomMemo::setTopLine(int line) {
  line = std::clamp(line, 0, std::max(lines_.Count() - 1, 0));
  if (line == topLine_) return;
  topLine_ = line;
  Invalidate();
}

void TCustomMemo::WndProc(TMessage& m) {
  if (m.Msg == WM_MOUSEWHEEL) {
    int delta = static_cast<std::int16_t>(hiWord(m.WParam_));
    setTopLine(topLine_ - delta / 120 * 3);
    return;
  }
  TCustomControl::WndProc(m);
}

void TCustomMemo::Paint() {
  Canvas& c = *canvas();
  Rect client = clientRect();
  c.fillRect(client, color());
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setTextColor(enabled() ? font().color : clGrayText);
  int lineHeight = std::max(c.textMetrics().height, 1);
  int y = 0;
  for (int i = topLine_; i < lines_.Count() && y < client.height(); ++i, y += lineHeight) {
    c.textOut(2, y, lines_[i]);
  }
}

}  // namespace tavra
