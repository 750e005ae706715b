#pragma once
// Controls: components with a parent, bounds, visibility, caption, font, colour and hint, and a
// window procedure. Windowless controls (TGraphicControl) are painted by their parent onto the
// parent's canvas and get their mouse messages from it; windowed ones (TWinControl) have a
// window of their own.
#include <functional>
#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "framework/core/Component.h"
#include "framework/core/ControlMessages.h"
#include "framework/core/Cursor.h"
#include "gfx/Font.h"

namespace tavra {

class Canvas;
class TWinControl;
class TCustomForm;

enum ControlStyleFlag : unsigned {
  csAcceptsControls = 0x1,
  csCaptureMouse = 0x2,
  csClickEvents = 0x8,
  csFramed = 0x10,
  csSetCaption = 0x20,
  csOpaque = 0x40,
  csDoubleClicks = 0x80,
  csFixedWidth = 0x100,
  csFixedHeight = 0x200,
  csNoStdEvents = 0x800,
  csDisplayDragImage = 0x1000,
  csReplicatable = 0x2000,
  csParentBackground = 0x10000,
};

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum ShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = unsigned;
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

using TNotifyEvent = std::function<void(TComponent& sender)>;
using TMouseEvent = std::function<void(TComponent& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent& sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent& sender, unsigned& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent& sender, char32_t& key)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  virtual bool isWindowed() const { return false; }

  // Parent.
  TWinControl* parent() const { return parent_; }
  virtual void setParent(TWinControl* parent);
  TCustomForm* parentForm() const;

  // Bounds in the parent's client coordinates.
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width(); }
  int height() const { return bounds_.height(); }
  Rect boundsRect() const { return bounds_; }
  void setLeft(int v) { setBounds(v, top(), width(), height()); }
  void setTop(int v) { setBounds(left(), v, width(), height()); }
  void setWidth(int v) { setBounds(left(), top(), v, height()); }
  void setHeight(int v) { setBounds(left(), top(), width(), v); }
  virtual void setBounds(int left, int top, int width, int height);
  void setBoundsRect(const Rect& r) { setBounds(r.left, r.top, r.width(), r.height()); }
  virtual Rect clientRect() const { return {0, 0, width(), height()}; }
  int clientWidth() const { return clientRect().width(); }
  int clientHeight() const { return clientRect().height(); }
  Point clientOrigin() const;  // screen position of the client top-left
  Point clientToScreen(Point p) const { return p + clientOrigin(); }
  Point screenToClient(Point p) const { return p - clientOrigin(); }

  TAlign align() const { return align_; }
  void setAlign(TAlign a);
  unsigned anchors() const { return anchors_; }
  void setAnchors(unsigned a) { anchors_ = a; }

  // State.
  bool visible() const { return visible_; }
  void setVisible(bool v);
  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  bool showing() const;  // visible with every parent showing
  bool enabled() const { return enabled_; }
  void setEnabled(bool e);

  // Caption and text are the same property.
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& c);
  const std::string& text() const { return caption_; }
  void setText(const std::string& t) { setCaption(t); }

  const Font& font() const { return font_; }
  void setFont(const Font& f);
  bool parentFont() const { return parentFont_; }
  void setParentFont(bool p);
  Color color() const { return color_; }
  void setColor(Color c);
  bool parentColor() const { return parentColor_; }
  void setParentColor(bool p);

  const std::string& hint() const { return hint_; }
  void setHint(const std::string& h) { hint_ = h; }
  bool showHint() const { return showHint_; }
  void setShowHint(bool s);
  bool parentShowHint() const { return parentShowHint_; }
  void setParentShowHint(bool p);

  // The pointer over the control; crDefault shows its parent's choice.
  TCursor cursor() const { return cursor_; }
  void setCursor(TCursor c);

  unsigned controlStyle() const { return controlStyle_; }
  void setControlStyle(unsigned s) { controlStyle_ = s; }
  bool mouseCaptured() const;

  // Messages.
  LResult Perform(MessageId msg, WParam wParam = 0, LParam lParam = 0);
  // The control's window procedure; derived controls handle messages and pass the rest on.
  virtual void WndProc(TMessage& msg);

  // Painting.
  virtual void Invalidate();
  void Repaint();
  void Update();
  void BringToFront();

  // Events.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

  virtual void Click();
  virtual void DblClick();

 protected:
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void Resize();
  // Called when the caption, font or other content changes so an auto-sized control can adapt.
  virtual void AdjustSize() {}
  void Loaded() override;
  // The bounds changed; windowed controls move their window.
  virtual void boundsChanged(const Rect& oldBounds);
  virtual void visibilityChanged() {}
  void setBoundsQuiet(const Rect& r) { bounds_ = r; }
  void setVisibleQuiet(bool v) { visible_ = v; }
  static TShiftState shiftFromKeys(WParam keys);
  void notifyChildrenParentChanged(MessageId msg);

  unsigned controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;

 private:
  friend class TWinControl;
  void handleMouse(TMessage& msg);

  TWinControl* parent_ = nullptr;
  Rect bounds_;
  TAlign align_ = TAlign::alNone;
  unsigned anchors_ = akLeft | akTop;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  Font font_;
  bool parentFont_ = true;
  Color color_ = clBtnFace;
  bool parentColor_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  bool clicking_ = false;
};

}  // namespace tavra
