// The windowed control's focus and keyboard: tab order, moving the focus, and the key events,
// with the form's preview and its dialog keys.
#include "framework/core/WinControl.h"

#include <algorithm>
#include <vector>

#include "framework/core/Form.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

// A key that the form took as a dialog key (Tab, Enter, Escape) makes no character: the one the
// window system sends right after the key is dropped.
char32_t gSwallowedChar = 0;

void collectTabOrder(const TWinControl& c, std::vector<TWinControl*>& out) {
  for (TWinControl* child : c.tabList()) {
    out.push_back(child);
    collectTabOrder(*child, out);
  }
}

}  // namespace

int TWinControl::tabOrder() const {
  if (!parent()) return -1;
  const auto& list = parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::setTabOrder(int order) {
  if (!parent()) return;
  auto& list = parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::setTabStop(bool t) {
  if (t == tabStop_) return;
  tabStop_ = t;
  if (window_) {
    std::uint32_t s = window_->style();
    window_->setStyle(t ? (s | WS_TABSTOP) : (s & ~static_cast<std::uint32_t>(WS_TABSTOP)));
  }
}

bool TWinControl::focused() const { return window_ && WindowSystem::instance().focus() == window_.get(); }

bool TWinControl::canFocus() const {
  if (!window_) return false;
  for (const TControl* c = this; c; c = c->parent()) {
    if (!c->visible() || !c->enabled()) return false;
  }
  return true;
}

void TWinControl::setFocus() {
  if (!window_) return;
  if (TCustomForm* f = parentForm()) f->setActiveControlQuiet(this);
  WindowSystem::instance().setFocus(window_.get());
}

TWinControl* TWinControl::findNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const {
  std::vector<TWinControl*> order;
  collectTabOrder(*this, order);
  if (order.empty()) return nullptr;
  int n = static_cast<int>(order.size());
  auto it = std::find(order.begin(), order.end(), current);
  int start = it == order.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - order.begin());
  for (int step = 1; step <= n; ++step) {
    int i = ((forward ? start + step : start - step) % n + n) % n;
    TWinControl* c = order[static_cast<size_t>(i)];
    if (c == current) continue;
    if (checkTabStop && !c->tabStop()) continue;
    if (checkParent && current && c->parent() != current->parent()) continue;
    if (c->canFocus()) return c;
  }
  return nullptr;
}

void TWinControl::selectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = findNextControl(current, forward, checkTabStop, !checkTabStop)) next->setFocus();
}

bool TWinControl::KeyDown(unsigned& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
  return key == 0;
}

void TWinControl::KeyUp(unsigned& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(*this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(*this);
}

bool TWinControl::DoKeyPress(TMessage& m) {
  char32_t ch = static_cast<char32_t>(m.WParam_);
  char32_t swallowed = gSwallowedChar;
  gSwallowedChar = 0;
  if (swallowed != 0 && ch == swallowed) return false;
  TCustomForm* form = parentForm();
  if (form && form != this && form->keyPreview()) form->KeyPress(ch);
  if (ch != 0) KeyPress(ch);
  m.WParam_ = ch;
  return ch != 0;
}

bool TWinControl::DoKeyDown(TMessage& m) {
  unsigned key = static_cast<unsigned>(m.WParam_);
  gSwallowedChar = 0;
  TShiftState shift = shiftFromKeys(0);
  unsigned mods = WindowSystem::instance().modifiers();
  if (mods & kModShift) shift |= ssShift;
  if (mods & kModControl) shift |= ssCtrl;
  TCustomForm* form = parentForm();
  if (form && form != this && form->keyPreview()) form->KeyDown(key, shift);
  if (key != 0) KeyDown(key, shift);
  m.WParam_ = key;
  if (key == 0) return false;
  // Keys that move between controls go to the form unless this control wants them.
  LResult wants = DialogCode();
  bool dialogKey = (key == VK_TAB && !(wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) ||
                   ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && !(wants & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))) ||
                   ((key == VK_RETURN || key == VK_ESCAPE) && !(wants & DLGC_WANTALLKEYS));
  if (dialogKey && form && form->Perform(CM_DIALOGKEY, key, 0) != 0) {
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) gSwallowedChar = key;
    return false;
  }
  return true;
}

}  // namespace tavra
