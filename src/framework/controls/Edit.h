#pragma once
// A single-line edit: caret, selection by mouse and by Shift with the movement keys, the
// clipboard (Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+A, Ctrl+Z undo, Ctrl+Insert, Shift+Insert,
// Shift+Delete), typed characters from WM_CHAR after the key-press event (which may discard
// them), Backspace, Delete, Home, End, MaxLength, read-only, password character, horizontal
// scrolling, and a blinking caret while focused. Positions count characters (code points).
#include <string>

#include "framework/core/BorderStyle.h"
#include "framework/core/WinControl.h"

namespace tavra {

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  // The text is the control's caption; setting it puts the caret at the start.
  int SelStart() const { return std::min(anchor_, caret_); }
  void setSelStart(int pos);
  int SelLength() const { return std::abs(caret_ - anchor_); }
  void setSelLength(int length);
  std::string SelText() const;
  // Replaces the selection (or inserts at the caret) with `text`, as typing or pasting does.
  void setSelText(const std::string& text);
  int caretPos() const { return caret_; }
  int textLength() const { return static_cast<int>(chars_.size()); }

  void SelectAll();
  void ClearSelection();
  void Clear() { setText(""); }
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool CanUndo() const { return hasUndo_; }
  void Undo();

  int maxLength() const { return maxLength_; }  // 0: no limit
  void setMaxLength(int n) { maxLength_ = std::max(n, 0); }
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool r);
  TBorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle b);
  char32_t passwordChar() const { return passwordChar_; }
  void setPasswordChar(char32_t c);
  bool autoSelect() const { return autoSelect_; }
  void setAutoSelect(bool a) { autoSelect_ = a; }
  bool hideSelection() const { return hideSelection_; }
  void setHideSelection(bool h);
  bool modified() const { return modified_; }
  void setModified(bool m) { modified_ = m; }

  // Whether the blinking caret is drawn right now (focused and in the visible half of a blink).
  bool caretVisible() const { return focused() && caretOn_; }
  // The caret's rectangle in client coordinates.
  Rect caretRect();

  TNotifyEvent OnChange;

  void WndProc(TMessage& msg) override;

  static constexpr int kCaretBlinkMs = 530;

 protected:
  void CreateParams(WindowParams& params) override;
  void PaintWindow(Canvas& canvas) override;
  void EraseBackground(Canvas&) override {}
  LResult DialogCode() override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  bool takesFocusOnClick() const override { return true; }
  virtual void Change();
  // What lies under the text (the control's colour) and the colour of the text that is not
  // selected (the font's, grey when disabled); skinned edits take both from their skin.
  virtual void PaintTextBackground(Canvas& canvas, const Rect& client);
  virtual Color textInk() const;
  // Drawn just before the text, in the text area's clip, with `shown` (the text as displayed)
  // starting at `origin`: nothing here; skinned edits draw their skin's text contours.
  virtual void PaintTextContour(Canvas& /*canvas*/, Point /*origin*/, const std::string& /*shown*/) {}

 private:
  enum class Extend { No, Yes };
  void handleKeyDown(unsigned key);
  void handleChar(char32_t ch);
  void moveCaret(int pos, Extend extend);
  // Replaces [SelStart, SelStart + SelLength) by `text`, cut to MaxLength; false when read-only.
  bool replaceSelection(std::u32string text);
  void commitText();
  void rememberUndo();
  int wordLeft(int pos) const;
  int wordRight(int pos) const;
  // Caret positions: x of every boundary between characters, from the text's left edge.
  const std::vector<int>& boundaries();
  int positionAt(int clientX);
  Rect textArea() const;
  void scrollToCaret();
  void restartBlink();
  void stopBlink();
  std::u32string displayChars() const;

  std::u32string chars_;
  int anchor_ = 0;
  int caret_ = 0;
  int scrollX_ = 0;
  int maxLength_ = 0;
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  char32_t passwordChar_ = 0;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  bool modified_ = false;
  bool caretOn_ = false;
  bool blinking_ = false;
  bool mouseSelecting_ = false;
  bool clickFocusing_ = false;
  bool committing_ = false;
  bool hasUndo_ = false;
  std::u32string undoChars_;
  int undoCaret_ = 0;
  std::vector<int> boundaries_;
  bool boundariesValid_ = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

}  // namespace tavra
