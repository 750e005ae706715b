#include "framework/core/Application.h"

#include <cassert>

#include "base/Text.h"
#include "framework/core/HintController.h"
#include "framework/core/MessageBoxes.h"
#include "framework/core/WinControl.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

TApplication* gApplication = nullptr;

}  // namespace

TApplication::TApplication() : TComponent(nullptr) {
  assert(!gApplication && "one application per process");
  gApplication = this;
  hints_ = std::make_unique<HintController>(*this);
  WindowSystem& ws = WindowSystem::instance();
  ws.addInputObserver([](const InputEvent& ev) {
    if (!gApplication) return;
    // A press of a mouse button or a key puts the hint away.
    using K = InputEvent::Kind;
    if (ev.kind == K::MouseDown || ev.kind == K::MouseWheel || ev.kind == K::KeyDown) gApplication->hints_->cancel();
    gApplication->updateMouseControl();
  });
  ws.setIdleHandler([] {
    if (gApplication) gApplication->updateMouseControl();
  });
}

TApplication::~TApplication() {
  setState(csDestroying);
  destroyComponents();
  hints_.reset();
  if (WindowSystem::exists()) WindowSystem::instance().setIdleHandler(nullptr);
  gApplication = nullptr;
}

bool TApplication::exists() { return gApplication != nullptr; }

TApplication& Application() {
  assert(gApplication && "no application");
  return *gApplication;
}

void TApplication::ShowMainForm() {
  mainFormShown_ = true;
  if (mainForm_) mainForm_->Show();
  std::vector<std::string> held = std::move(heldErrors_);
  heldErrors_.clear();
  for (const std::string& message : held) HandleException(Exception(message));
}

void TApplication::Run() {
  ShowMainForm();
  WindowSystem::instance().run();
}

void TApplication::Terminate() { WindowSystem::instance().postQuit(0); }

bool TApplication::Terminated() const { return WindowSystem::instance().quitRequested(); }

void TApplication::ProcessMessages() { WindowSystem::instance().processMessages(); }

std::string TApplication::exceptionText(const std::string& message) {
  std::string text = message;
  if (!text.empty()) {
    std::u32string cps = utf8ToCodePoints(text);
    if (!cps.empty() && cps.back() > U'.') text += '.';
  }
  return text;
}

void TApplication::HandleException(const std::exception& e) { ShowException(e); }

void TApplication::ShowException(const std::exception& e) {
  MessageBox(exceptionText(e.what()), title_, MB_OK | MB_ICONSTOP);
}

void TApplication::addMessageBoxObserver(std::function<void(const MessageBoxInfo&)> observer) {
  boxObservers_.push_back(std::move(observer));
}

void TApplication::notifyMessageBoxShown(const MessageBoxInfo& info) {
  for (auto& o : std::vector(boxObservers_)) o(info);
}

void TApplication::updateMouseControl() {
  WindowSystem& ws = WindowSystem::instance();
  TControl* target = nullptr;
  if (Window* w = ws.windowAt(ws.cursorPos())) {
    if (TWinControl* wc = TWinControl::fromWindow(w)) {
      Point p = w->screenToClient(ws.cursorPos());
      if (Rect::fromSize(0, 0, w->clientSize().width, w->clientSize().height).contains(p)) {
        TControl* child = wc->controlAtPos(p, true);
        target = child ? child : wc;
      }
    }
  }
  if (target == mouseControl_) return;
  TControl* old = mouseControl_;
  mouseControl_ = target;
  if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
  if (target && mouseControl_ == target) target->Perform(CM_MOUSEENTER, 0, 0);
  if (mouseControl_ == target) hints_->mouseControlChanged(target);
}

void TApplication::controlDestroyed(TControl* c) {
  if (mouseControl_ == c) mouseControl_ = nullptr;
  if (hints_) hints_->controlDestroyed(c);
}

void TApplication::setHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (OnHint) OnHint(*this);
}

void TApplication::CancelHint() { hints_->cancel(); }

void TApplication::HideHint() { hints_->hide(); }

void TApplication::ActivateHint(Point screen) { hints_->activateAt(screen); }

void TApplication::setHintWindowClass(std::function<std::unique_ptr<THintWindow>(TComponent* owner)> factory) {
  hints_->setWindowFactory(std::move(factory));
}

void TApplication::formDestroyed(TCustomForm* f) {
  if (mainForm_ == f) mainForm_ = nullptr;
}

}  // namespace tavra
