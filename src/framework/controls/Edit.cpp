#include "framework/controls/Edit.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>

#include "base/Text.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

constexpr std::uintptr_t kBlinkTimer = 1;
constexpr int kTextMargin = 2;  // pixels between the client edge and the text, left and right

bool isWordChar(char32_t c) { return !std::iswspace(static_cast<wint_t>(c)); }

// The first line of clipboard text: a single-line edit takes nothing past a line break.
std::u32string firstLine(const std::string& utf8) {
  std::u32string cps = utf8ToCodePoints(utf8);
  auto end = std::find_if(cps.begin(), cps.end(), [](char32_t c) { return c == U'\r' || c == U'\n'; });
  cps.erase(end, cps.end());
  // Other control characters are not text.
  cps.erase(std::remove_if(cps.begin(), cps.end(), [](char32_t c) { return c < 32 && c != U'\t'; }), cps.end());
  return cps;
}

}  // namespace

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

// ---- selection ----

void TCustomEdit::setSelStart(int pos) {
  pos = std::clamp(pos, 0, textLength());
  anchor_ = caret_ = pos;
  scrollToCaret();
  restartBlink();
  Invalidate();
}

void TCustomEdit::setSelLength(int length) {
  int start = SelStart();
  anchor_ = start;
  caret_ = std::clamp(start + length, 0, textLength());
  scrollToCaret();
  restartBlink();
  Invalidate();
}

std::string TCustomEdit::SelText() const {
  return codePointsToUtf8(std::u32string_view(chars_).substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength())));
}

void TCustomEdit::setSelText(const std::string& text) {
  rememberUndo();
  replaceSelection(firstLine(text));
}

void TCustomEdit::SelectAll() {
  anchor_ = 0;
  caret_ = textLength();
  scrollToCaret();
  Invalidate();
}

void TCustomEdit::ClearSelection() {
  if (SelLength() == 0) return;
  rememberUndo();
  replaceSelection({});
}

void TCustomEdit::CopyToClipboard() {
  // A password is not given away.
  if (SelLength() == 0 || passwordChar_ != 0) return;
  WindowSystem::instance().setClipboardText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (readOnly_ || passwordChar_ != 0) return;
  CopyToClipboard();
  ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
  if (readOnly_) return;
  std::u32string text = firstLine(WindowSystem::instance().clipboardText());
  if (text.empty()) return;
  rememberUndo();
  replaceSelection(std::move(text));
}

void TCustomEdit::Undo() {
  if (!hasUndo_ || readOnly_) return;
  std::u32string redo = chars_;
  int redoCaret = caret_;
  chars_ = undoChars_;
  anchor_ = caret_ = std::min(undoCaret_, textLength());
  undoChars_ = std::move(redo);
  undoCaret_ = redoCaret;
  commitText();
}

void TCustomEdit::rememberUndo() {
  if (readOnly_) return;
  undoChars_ = chars_;
  undoCaret_ = caret_;
  hasUndo_ = true;
}

bool TCustomEdit::replaceSelection(std::u32string text) {
  if (readOnly_) return false;
  int start = SelStart(), length = SelLength();
  if (maxLength_ > 0) {
    int room = std::max(maxLength_ - (textLength() - length), 0);
    if (static_cast<int>(text.size()) > room) text.resize(static_cast<size_t>(room));
  }
  if (text.empty() && length == 0) return false;
  chars_.replace(static_cast<size_t>(start), static_cast<size_t>(length), text);
  anchor_ = caret_ = start + static_cast<int>(text.size());
  commitText();
  return true;
}

// Publishes chars_ as the caption and tells the world.
void TCustomEdit::commitText() {
  boundariesValid_ = false;
  modified_ = true;
  committing_ = true;
  setCaption(codePointsToUtf8(chars_));
  committing_ = false;
  scrollToCaret();
  restartBlink();
  Invalidate();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(*this);
}

// ---- movement ----

void TCustomEdit::moveCaret(int pos, Extend extend) {
  pos = std::clamp(pos, 0, textLength());
  caret_ = pos;
  if (extend == Extend::No) anchor_ = pos;
  scrollToCaret();
  restartBlink();
  Invalidate();
}

int TCustomEdit::wordLeft(int pos) const {
  while (pos > 0 && !isWordChar(chars_[static_cast<size_t>(pos - 1)])) --pos;
  while (pos > 0 && isWordChar(chars_[static_cast<size_t>(pos - 1)])) --pos;
  return pos;
}

int TCustomEdit::wordRight(int pos) const {
  int n = textLength();
  while (pos < n && isWordChar(chars_[static_cast<size_t>(pos)])) ++pos;
  while (pos < n && !isWordChar(chars_[static_cast<size_t>(pos)])) ++pos;
  return pos;
}

void TCustomEdit::handleKeyDown(unsigned key) {
  unsigned mods = WindowSystem::instance().modifiers();
  bool shift = (mods & kModShift) != 0;
  bool ctrl = (mods & kModControl) != 0;
  Extend extend = shift ? Extend::Yes : Extend::No;
  switch (key) {
    case VK_LEFT:
    case VK_UP:
      if (!shift && !ctrl && SelLength() > 0) moveCaret(SelStart(), Extend::No);
      else moveCaret(ctrl ? wordLeft(caret_) : caret_ - 1, extend);
      return;
    case VK_RIGHT:
    case VK_DOWN:
      if (!shift && !ctrl && SelLength() > 0) moveCaret(SelStart() + SelLength(), Extend::No);
      else moveCaret(ctrl ? wordRight(caret_) : caret_ + 1, extend);
      return;
    case VK_HOME:
      moveCaret(0, extend);
      return;
    case VK_END:
      moveCaret(textLength(), extend);
      return;
    case VK_DELETE:
      if (shift) {
        CutToClipboard();
      } else if (SelLength() > 0) {
        ClearSelection();
      } else if (caret_ < textLength() && !readOnly_) {
        rememberUndo();
        anchor_ = caret_ + 1;
        replaceSelection({});
      }
      return;
    case VK_INSERT:
      if (ctrl) CopyToClipboard();
      else if (shift) PasteFromClipboard();
      return;
    default:
      return;
  }
}

void TCustomEdit::handleChar(char32_t ch) {
  switch (ch) {
    case 1:  // Ctrl+A
      SelectAll();
      return;
    case 3:  // Ctrl+C
      CopyToClipboard();
      return;
    case 22:  // Ctrl+V
      PasteFromClipboard();
      return;
    case 24:  // Ctrl+X
      CutToClipboard();
      return;
    case 26:  // Ctrl+Z
      Undo();
      return;
    case 8:  // Backspace
      if (readOnly_) return;
      if (SelLength() > 0) {
        ClearSelection();
      } else if (caret_ > 0) {
        rememberUndo();
        anchor_ = caret_ - 1;
        replaceSelection({});
      }
      return;
    default:
      break;
  }
  if (ch < 32 || ch == 127) return;  // other control characters are not text
  rememberUndo();
  replaceSelection(std::u32string(1, ch));
}

// ---- geometry ----

Rect TCustomEdit::textArea() const {
  Rect c = clientRect();
  return {c.left + kTextMargin, c.top, c.right - kTextMargin, c.bottom};
}

std::u32string TCustomEdit::displayChars() const {
  if (passwordChar_ == 0) return chars_;
  return std::u32string(chars_.size(), passwordChar_);
}

const std::vector<int>& TCustomEdit::boundaries() {
  if (boundariesValid_) return boundaries_;
  Bitmap scratch(1, 1);
  Canvas measure(scratch);
  measure.setFont(font());
  std::u32string shown = displayChars();
  boundaries_.assign(shown.size() + 1, 0);
  std::string prefix;
  for (size_t i = 0; i < shown.size(); ++i) {
    appendUtf8(prefix, shown[i]);
    boundaries_[i + 1] = measure.textWidth(prefix);
  }
  boundariesValid_ = true;
  return boundaries_;
}

int TCustomEdit::positionAt(int clientX) {
  const std::vector<int>& b = boundaries();
  int x = clientX - textArea().left + scrollX_;
  int best = 0;
  for (size_t i = 1; i < b.size(); ++i) {
    if (std::abs(b[i] - x) < std::abs(b[static_cast<size_t>(best)] - x)) best = static_cast<int>(i);
  }
  return best;
}

void TCustomEdit::scrollToCaret() {
  if (!handleAllocated()) return;
  int width = std::max(textArea().width(), 1);
  int x = boundaries()[static_cast<size_t>(caret_)];
  int total = boundaries().back();
  if (x - scrollX_ > width - 1) scrollX_ = x - width + 1 + width / 3;
  if (x < scrollX_) scrollX_ = std::max(x - width / 3, 0);
  // Never leave empty room on the right while text lies hidden on the left.
  scrollX_ = std::clamp(scrollX_, 0, std::max(total - width + 1, 0));
  if (x < scrollX_) scrollX_ = x;
}

Rect TCustomEdit::caretRect() {
  Rect area = textArea();
  Bitmap scratch(1, 1);
  Canvas measure(scratch);
  measure.setFont(font());
  int h = measure.textMetrics().height;
  int top = std::max((area.height() - h) / 2, 0);
  int x = area.left + boundaries()[static_cast<size_t>(caret_)] - scrollX_;
  return Rect::fromSize(x, top, 1, std::min(h, area.height()));
}

// ---- caret blink ----

void TCustomEdit::restartBlink() {
  if (!focused()) return;
  caretOn_ = true;
  blinking_ = true;
  WindowSystem::instance().setTimer(*window(), kBlinkTimer, kCaretBlinkMs);
}

void TCustomEdit::stopBlink() {
  if (blinking_ && window() && WindowSystem::exists()) WindowSystem::instance().killTimer(*window(), kBlinkTimer);
  blinking_ = false;
  caretOn_ = false;
}

// ---- painting ----

void TCustomEdit::PaintTextBackground(Canvas& c, const Rect& client) { c.fillRect(client, color()); }

Color TCustomEdit::textInk() const { return enabled() ? font().color : clGrayText; }

void TCustomEdit::PaintWindow(Canvas& c) {
  Rect client = clientRect();
  PaintTextBackground(c, client);
  Rect area = textArea();
  Canvas::StateSaver saver(c);
  c.intersectClip(area);
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  const std::vector<int>& b = boundaries();
  std::string shown = codePointsToUtf8(displayChars());
  int h = c.textMetrics().height;
  int top = std::max((area.height() - h) / 2, 0);
  int x0 = area.left - scrollX_;
  c.setTextColor(textInk());
  c.textOut(x0, top, shown);
  bool showSelection = SelLength() > 0 && (focused() || !hideSelection_);
  if (showSelection) {
    int s = SelStart(), e = SelStart() + SelLength();
    Rect sel{x0 + b[static_cast<size_t>(s)], top, x0 + b[static_cast<size_t>(e)], top + h};
    Canvas::StateSaver selSaver(c);
    c.intersectClip(sel);
    c.fillRect(sel, clHighlight);
    c.setTextColor(clHighlightText);
    c.textOut(x0, top, shown);
  }
  if (caretVisible()) c.fillRect(caretRect(), clWindowText);
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
