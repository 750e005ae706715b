#include "framework/core/Form.h"

#include "framework/core/Application.h"
#include "framework/controls/Button.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuBar.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"

namespace tavra {

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner), menuBar_(std::make_unique<MenuBar>(*this)) {
  beginLoading();
  setVisibleQuiet(false);
  controlStyle_ |= csAcceptsControls;
  setBoundsQuiet(Rect::fromSize(0, 0, 320, 240));
}

TCustomForm::~TCustomForm() {
  setState(csDestroying);
  // Components (the form's controls) go while the form is still whole.
  destroyComponents();
  if (TApplication::exists()) Application().formDestroyed(this);
}

void TCustomForm::finishCreation() {
  // The window is made once the form's class is complete, so it carries the class's name.
  createWindow();
  applyWindowStyle();
  endLoading();
  created_ = true;
  DoCreate();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(*this);
}

void TCustomForm::CreateParams(WindowParams& p) {
  p.className = ClassName();
  p.text = caption();
  p.bounds = boundsRect();
  p.background = color();
  p.classStyle = CS_DBLCLKS;
  p.style = WS_CLIPCHILDREN;
  p.exStyle = 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      p.style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      p.style |= WS_CAPTION;
      break;
    case TFormBorderStyle::bsSizeable:
      p.style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      p.style |= WS_POPUP | WS_CAPTION;
      p.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      p.style |= WS_CAPTION;
      p.exStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      p.style |= WS_CAPTION | WS_THICKFRAME;
      p.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != TFormBorderStyle::bsNone) {
    if (borderIcons_ & biSystemMenu) {
      p.style |= WS_SYSMENU;
      bool dialog = borderStyle_ == TFormBorderStyle::bsDialog || borderStyle_ == TFormBorderStyle::bsToolWindow ||
                    borderStyle_ == TFormBorderStyle::bsSizeToolWin;
      if (!dialog) {
        if (borderIcons_ & biMinimize) p.style |= WS_MINIMIZEBOX;
        if (borderIcons_ & biMaximize) p.style |= WS_MAXIMIZEBOX;
      }
    }
  }
  if (formStyle_ == TFormStyle::fsStayOnTop) p.exStyle |= WS_EX_TOPMOST;
  if (alphaBlend_) p.exStyle |= WS_EX_LAYERED;
}

void TCustomForm::applyWindowStyle() {
  if (!handleAllocated()) return;
  WindowParams p;
  CreateParams(p);
  Window& w = *window();
  std::uint32_t keep = w.style() & (WS_VISIBLE | WS_DISABLED);
  w.setExStyle(p.exStyle);
  w.setStyle(p.style | keep);
  w.setOpacity(alphaBlend_ ? alphaBlendValue_ : 255);
  w.invalidateFrame();
}

void TCustomForm::setBorderStyle(TFormBorderStyle s) {
  if (s == borderStyle_) return;
  borderStyle_ = s;
  applyWindowStyle();
}

void TCustomForm::setBorderIcons(unsigned icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  applyWindowStyle();
}

void TCustomForm::setFormStyle(TFormStyle s) {
  if (s == formStyle_) return;
  formStyle_ = s;
  applyWindowStyle();
}

void TCustomForm::setPosition(TPosition p) { position_ = p; }

void TCustomForm::setAlphaBlend(bool on) {
  if (on == alphaBlend_) return;
  alphaBlend_ = on;
  applyWindowStyle();
}

void TCustomForm::setAlphaBlendValue(std::uint8_t v) {
  alphaBlendValue_ = v;
  if (alphaBlend_ && handleAllocated()) window()->setOpacity(v);
}

void TCustomForm::setClientSize(int w, int h) {
  if (handleAllocated()) {
    window()->setClientSize({w, h});
    return;
  }
  Rect outer = boundsRect();
  Rect client = clientRect();
  setBounds(outer.left, outer.top, w + outer.width() - client.width(), h + outer.height() - client.height());
}

Rect TCustomForm::clientRect() const {
  if (handleAllocated()) return TWinControl::clientRect();
  WindowParams p;
  const_cast<TCustomForm*>(this)->CreateParams(p);
  Rect c = ClassicFrame::clientRect(p.style, p.exStyle, Rect::fromSize(0, 0, width(), height()));
  c.top += menuBar_->height();
  return Rect::fromSize(0, 0, std::max(c.width(), 0), std::max(c.height(), 0));
}

TMainMenu* TCustomForm::Menu() const { return menuBar_->menu(); }

void TCustomForm::setMenu(TMainMenu* menu) {
  TMainMenu* old = menuBar_->menu();
  if (menu == old) return;
  if (old) old->form_ = nullptr;
  if (menu) {
    if (menu->form_) menu->form_->setMenu(nullptr);
    menu->form_ = this;
  }
  menuBar_->setMenu(menu);
  menuChanged();
}

void TCustomForm::menuChanged() { menuBar_->changed(); }

void TCustomForm::setClientWidth(int w) { setClientSize(w, clientHeight()); }

void TCustomForm::setClientHeight(int h) { setClientSize(clientWidth(), h); }

void TCustomForm::setBounds(int left, int top, int width, int height) { TControl::setBounds(left, top, width, height); }

void TCustomForm::boundsChanged(const Rect& oldBounds) {
  if (handleAllocated() && window()->bounds() != boundsRect()) window()->setBounds(boundsRect());
  TWinControl::boundsChanged(oldBounds);
}

bool TCustomForm::active() const { return handleAllocated() && WindowSystem::instance().activeWindow() == window(); }

void TCustomForm::Show() {
  if (visible()) {
    if (handleAllocated()) window()->show();
    return;
  }
  setVisible(true);
}

void TCustomForm::Hide() { setVisible(false); }

void TCustomForm::visibilityChanged() {
  if (!handleAllocated()) return;
  if (visible()) {
    if (position_ == TPosition::poScreenCenter) {
      Size d = WindowSystem::instance().desktopSize();
      setBounds((d.width - width()) / 2, (d.height - height()) / 2, width(), height());
    }
    window()->show();
    if (active()) focusFirstControl();
    if (OnShow) OnShow(*this);
  } else {
    window()->hide();
    if (OnHide) OnHide(*this);
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(*this, action);
  if (action == TCloseAction::caNone) return;
  if (TApplication::exists() && Application().MainForm() == this) {
    Application().Terminate();
    return;
  }
  if (action == TCloseAction::caMinimize) {
    if (handleAllocated()) window()->send(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return;
  }
  Hide();
}

int TCustomForm::ShowModal() {
  WindowSystem& ws = WindowSystem::instance();
  std::vector<WindowHandle> disabled;
  for (Window* w : ws.topLevelWindows()) {
    if (w != window() && w->isVisible() && w->isEnabled()) {
      w->setEnabled(false);
      disabled.push_back(w->handle());
    }
  }
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  ws.runLoop([this] { return modalResult_ != mrNone || !visible(); });
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  modal_ = false;
  for (WindowHandle h : disabled) {
    if (Window* w = ws.find(h)) w->setEnabled(true);
  }
  Hide();
  // Give the activation back to the window that was active before, if it is still showing.
  for (auto it = ws.topLevelWindows().rbegin(); it != ws.topLevelWindows().rend(); ++it) {
    if ((*it)->isShowing() && (*it)->isEnabled() && !((*it)->exStyle() & WS_EX_NOACTIVATE)) {
      ws.activate(*it);
      break;
    }
  }
  return modalResult_;
}

void TCustomForm::setActiveControl(TWinControl* c) {
  activeControl_ = c;
  if (c && active() && c->canFocus()) c->setFocus();
}

void TCustomForm::focusFirstControl() {
  WindowSystem& ws = WindowSystem::instance();
  if (activeControl_ && activeControl_->canFocus()) {
    ws.setFocus(activeControl_->window());
    return;
  }
  if (TWinControl* first = findNextControl(nullptr, true, true, false)) {
    first->setFocus();
    return;
  }
  Window* f = ws.focus();
  if (!f || &f->topLevel() != window()) ws.setFocus(window());
}

TButton* TCustomForm::findButton(bool defaultButton) const {
  std::vector<const TWinControl*> pending{this};
  while (!pending.empty()) {
    const TWinControl* w = pending.back();
    pending.pop_back();
    for (TControl* c : w->controls()) {
      if (auto* b = dynamic_cast<TButton*>(c); b && (defaultButton ? b->isDefault() : b->cancel())) return b;
      if (auto* wc = dynamic_cast<TWinControl*>(c)) pending.push_back(wc);
    }
  }
  return nullptr;
}

void TCustomForm::WndProc(TMessage& m) {
  if (menuBar_->handleMessage(m, [this](TMessage& msg) { msg.Result = DefaultHandler(msg); })) return;
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      if (loWord(m.WParam_) != WA_INACTIVE) {
        focusFirstControl();
        if (OnActivate) OnActivate(*this);
      } else if (OnDeactivate) {
        OnDeactivate(*this);
      }
      return;
    case WM_WINDOWPOSCHANGED: {
      Rect old = boundsRect();
      Rect now = window()->bounds();
      if (now != old) {
        setBoundsQuiet(now);
        TWinControl::boundsChanged(old);
        if (old.size() != now.size()) Resize();
      }
      return;
    }
    case CM_DIALOGKEY: {
      unsigned key = static_cast<unsigned>(m.WParam_);
      bool shift = (WindowSystem::instance().modifiers() & kModShift) != 0;
      if (key == VK_TAB) {
        selectNext(activeControl_, !shift, true);
        m.Result = 1;
      } else if (key == VK_RETURN || key == VK_ESCAPE) {
        TButton* target = key == VK_RETURN ? dynamic_cast<TButton*>(activeControl_) : nullptr;
        if (!target) target = findButton(key == VK_RETURN);
        if (target && target->enabled() && target->showing()) {
          target->Click();
          m.Result = 1;
        }
      } else if ((key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) && activeControl_) {
        if (TWinControl* p = activeControl_->parent()) p->selectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
        m.Result = 1;
      }
      return;
    }
    default:
      TWinControl::WndProc(m);
  }
}

}  // namespace tavra
