#pragma once
// A multi-line text box that shows its line list, Lines, one line per row from the top, in a
// sunken box. It is a viewer: the program keeps data in it (read-only, often hidden) and
// changes the lines from code; typing into it is not supported.
#include "framework/core/BorderStyle.h"
#include "framework/core/CustomControl.h"
#include "framework/core/Strings.h"

namespace tavra {

class TCustomMemo : public TCustomControl {
 public:
  explicit TCustomMemo(TComponent* owner);

  TStringList& Lines() { return lines_; }
  const TStringList& Lines() const { return lines_; }
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool r) { readOnly_ = r; }
  TBorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle b);
  // The first line shown at the top.
  int topLine() const { return topLine_; }
  void setTopLine(int line);

  TNotifyEvent OnChange;

  void WndProc(TMessage& msg) override;

 protected:
  void CreateParams(WindowParams& params) override;
  void Paint() override;

 private:
  TStringList lines_;
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  int topLine_ = 0;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

}  // namespace tavra
