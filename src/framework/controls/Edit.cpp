// The edit's core: construction, its properties, and the window messages that drive it (keys,
// focus, clicks and drags that select, text set from outside).
#include "framework/controls/Edit.h"

#include "base/Text.h"
#include "framework/controls/EditParts.h"

namespace tavra {

using edit_parts::isWordChar;
using edit_parts::kBlinkTimer;

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight | csOpaque;
  setTabStop(true);
  setParentColor(false);
  setColor(clWindow);
  setCursor(crIBeam);
  setBoundsQuiet(Rect::fromSize(0, 0, 121, 21));
}

TCustomEdit::~TCustomEdit() { stopBlink(); }

void TCustomEdit::CreateParams(WindowParams& p) {
  TWinControl::CreateParams(p);
  if (borderStyle_ == TBorderStyle::bsSingle) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::setReadOnly(bool r) { readOnly_ = r; }

void TCustomEdit::setBorderStyle(TBorderStyle b) {
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

void TCustomEdit::setPasswordChar(char32_t c) {
  if (c == passwordChar_) return;
  passwordChar_ = c;
  boundariesValid_ = false;
  Invalidate();
}

void TCustomEdit::setHideSelection(bool h) {
  if (h == hideSelection_) return;
  hideSelection_ = h;
  Invalidate();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(*this);
}

// ---- messages ----

void TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
      if (!DoKeyDown(m)) return;
      handleKeyDown(static_cast<unsigned>(m.WParam_));
      return;
    case WM_CHAR:
      if (!DoKeyPress(m)) return;
      handleChar(static_cast<char32_t>(m.WParam_));
      return;
    case WM_TIMER:
      if (m.WParam_ == kBlinkTimer) {
        caretOn_ = !caretOn_;
        if (window()) window()->invalidateRect(caretRect(), Erase::No);
        return;
      }
      break;
    case WM_SETFOCUS: {
      // Tabbing in from another control of the same window selects the text; the focus coming
      // back with the window (after a message box) leaves the selection as it was.
      Window* from = WindowSystem::instance().find(static_cast<WindowHandle>(m.WParam_));
      bool fromSibling = from && window() && &from->topLevel() == &window()->topLevel();
      TWinControl::WndProc(m);
      if (autoSelect_ && !clickFocusing_ && fromSibling) SelectAll();
      restartBlink();
      Invalidate();
      return;
    }
    case WM_KILLFOCUS:
      stopBlink();
      mouseSelecting_ = false;
      Invalidate();
      TWinControl::WndProc(m);
      return;
    case WM_LBUTTONDOWN: {
      clickFocusing_ = true;
      TWinControl::WndProc(m);
      clickFocusing_ = false;
      if (!focused()) return;
      int pos = positionAt(xFromLParam(m.LParam_));
      moveCaret(pos, (m.WParam_ & MK_SHIFT) ? Extend::Yes : Extend::No);
      mouseSelecting_ = true;
      return;
    }
    case WM_LBUTTONDBLCLK: {
      clickFocusing_ = true;
      TWinControl::WndProc(m);
      clickFocusing_ = false;
      int pos = positionAt(xFromLParam(m.LParam_));
      int start = pos, end = pos;
      if (pos < textLength() && isWordChar(chars_[static_cast<size_t>(pos)])) {
        start = wordLeft(pos + 1);
        while (end < textLength() && isWordChar(chars_[static_cast<size_t>(end)])) ++end;
      } else if (pos > 0 && isWordChar(chars_[static_cast<size_t>(pos - 1)])) {
        start = wordLeft(pos);
      }
      anchor_ = start;
      moveCaret(end, Extend::Yes);
      return;
    }
    case WM_MOUSEMOVE:
      if (mouseSelecting_ && (m.WParam_ & MK_LBUTTON)) moveCaret(positionAt(xFromLParam(m.LParam_)), Extend::Yes);
      break;
    case WM_LBUTTONUP:
      mouseSelecting_ = false;
      break;
    case CM_TEXTCHANGED:
      if (!committing_) {
        // Text set from outside: the caret goes to the start, nothing selected.
        chars_ = utf8ToCodePoints(caption());
        anchor_ = caret_ = 0;
        scrollX_ = 0;
        boundariesValid_ = false;
        modified_ = false;
        Invalidate();
      }
      TWinControl::WndProc(m);
      Change();
      return;
    case CM_FONTCHANGED:
      boundariesValid_ = false;
      break;
    case CM_ENABLEDCHANGED:
      TWinControl::WndProc(m);
      Invalidate();
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace tavra
