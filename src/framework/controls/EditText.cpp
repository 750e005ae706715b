// The edit's text editing: selection, the clipboard, undo, caret movement by characters and
// words, and the editing keys and typed characters.
#include "framework/controls/Edit.h"

#include <algorithm>

#include "base/Text.h"
#include "framework/controls/EditParts.h"
#include "winsys/Keys.h"

namespace tavra {

using edit_parts::isWordChar;

namespace {

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

}  // namespace tavra
