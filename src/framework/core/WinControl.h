#pragma once
// Windowed controls: each owns a window of the window system whose procedure is the control's
// virtual WndProc. A windowed control holds child controls, paints its windowless children
// after itself, hands them their mouse messages, and takes part in focus and tab order.
#include <memory>
#include <vector>

#include "framework/core/Control.h"
#include "winsys/Window.h"
#include "winsys/WindowSystem.h"

namespace tavra {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  bool isWindowed() const override { return true; }

  // The control's window; created with the control's first parent (forms create theirs at once).
  Window* window() const { return window_.get(); }
  // The control that owns a window, or null for windows that are not a framework control's.
  static TWinControl* fromWindow(const Window* w);
  bool handleAllocated() const { return window_ != nullptr; }
  Window& handle();  // creates the window when needed

  // Children, in z-order (bottom first).
  const std::vector<TControl*>& controls() const { return controls_; }
  int controlCount() const { return static_cast<int>(controls_.size()); }
  TControl* controlAtPos(Point clientPoint, bool allowDisabled = false, bool windowedToo = false) const;

  // Focus and tab order.
  int tabOrder() const;
  void setTabOrder(int order);
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool t);
  const std::vector<TWinControl*>& tabList() const { return tabList_; }
  bool focused() const;
  virtual bool canFocus() const;
  virtual void setFocus();
  // The next control in tab order after `current` among this control's descendants.
  TWinControl* findNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const;
  void selectNext(TWinControl* current, bool forward, bool checkTabStop);

  Rect clientRect() const override;
  // The area aligned children fill: the client rectangle, less what the control keeps for itself
  // (a group box's caption, a tab control's tabs).
  virtual void AdjustClientRect(Rect& rect) const { (void)rect; }
  void WndProc(TMessage& msg) override;
  void Invalidate() override;
  // Paints the windowless children onto `canvas` (this control's client coordinates).
  void PaintControls(Canvas& canvas, TControl* first = nullptr);
  // How the control's own paint is followed by its windowless children's: PaintControls, unless
  // the control puts them on screen its own way.
  virtual void PaintWindowlessChildren(Canvas& canvas) { PaintControls(canvas); }
  void AlignControls();

  bool parentBackground() const { return (controlStyle_ & csParentBackground) != 0; }

  // Key events.
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(WindowParams& params);
  void createWindow();
  void destroyWindow();
  // The platform's handling of a message this control did not take.
  LResult DefaultHandler(TMessage& msg);
  // Paints the control itself; windowless children are painted after it.
  virtual void PaintWindow(Canvas& canvas) { (void)canvas; }
  virtual void EraseBackground(Canvas& canvas);
  void boundsChanged(const Rect& oldBounds) override;
  void visibilityChanged() override;
  virtual bool KeyDown(unsigned& key, TShiftState shift);
  virtual void KeyUp(unsigned& key, TShiftState shift);
  virtual void KeyPress(char32_t& key);
  virtual void DoEnter();
  virtual void DoExit();
  // Runs the key events (the form's first when it previews keys); false when a handler ate the
  // key. DoKeyDown also hands navigation keys to the form.
  bool DoKeyPress(TMessage& msg);
  bool DoKeyDown(TMessage& msg);
  // Whether a click moves the keyboard focus here (buttons, edits, lists).
  virtual bool takesFocusOnClick() const { return false; }
  bool isTopLevelForm() const;
  // Whether the control has a top-level window of its own when it has no parent (forms, hint
  // windows); other controls get a window only inside a parent's.
  virtual bool createsTopLevelWindow() const;
  // WM_GETDLGCODE: which keys the control wants for itself.
  virtual LResult DialogCode() { return 0; }
  void insertControl(TControl& c);
  void removeControl(TControl& c);
  void positionChildWindow(TControl& child);

 private:
  friend class TControl;
  friend class TCustomForm;
  LResult windowProc(Window& w, MessageId msg, WParam wParam, LParam lParam);
  bool dispatchToWindowless(TMessage& msg);
  // WM_SETCURSOR over the client area: the windowless child's cursor, else this control's; false
  // when both are crDefault.
  bool setCursorForClient(TMessage& msg);
  void paintHandler(TMessage& msg);

  std::unique_ptr<Window> window_;
  Window* creatingWindow_ = nullptr;
  std::vector<TControl*> controls_;     // all children, z-order
  std::vector<TWinControl*> tabList_;   // windowed children in tab order
  bool tabStop_ = false;
  TControl* captureControl_ = nullptr;  // windowless child that has the mouse
  bool aligning_ = false;
};

}  // namespace tavra
