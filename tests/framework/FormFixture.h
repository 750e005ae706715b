#pragma once
// A form on the headless display with the virtual clock, and input sent at its controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "winsys/HeadlessBackend.h"
#include "winsys/Keys.h"
#include "winsys/WindowSystem.h"

namespace tavra::test {

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    auto backend = std::make_unique<HeadlessBackend>(HeadlessBackend::ClockKind::Virtual);
    backend_ = backend.get();
    ws_ = std::make_unique<WindowSystem>(std::move(backend));
    app_ = std::make_unique<TApplication>();
    app_->addMessageBoxObserver([this](const MessageBoxInfo& info) {
      boxes.push_back(info.text);
      if (info.form) info.form->setModalResult(mrOk);
    });
    form_ = &app_->CreateForm<TForm>();
    form_->setBounds(100, 100, 500, 360);
    form_->Show();
    settle();
  }
  ~FormTest() override {
    app_.reset();
    ws_.reset();
  }

  template <typename T>
  T& add(Rect bounds, TWinControl* parent = nullptr) {
    T& c = form_->make<T>();
    c.setParent(parent ? parent : form_);
    c.setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
    settle();
    return c;
  }

  void settle() { ws_->processMessages(); }

  void advance(TimeMs ms) {
    TimeMs target = ws_->now() + ms;
    settle();
    while (true) {
      auto next = ws_->nextTimerDeadline();
      if (!next || *next > target) break;
      backend_->virtualClock()->setNow(*next);
      ws_->fireDueTimers();
      settle();
    }
    backend_->virtualClock()->setNow(target);
    settle();
  }

  void mouse(InputEvent::Kind kind, const TControl& c, Point client, unsigned modifiers = 0) {
    backend_->inject(InputEvent::mouse(kind, c.clientToScreen(client), MouseButton::Left, modifiers));
    settle();
  }
  void click(const TControl& c, Point client, unsigned modifiers = 0) {
    mouse(InputEvent::Kind::MouseMove, c, client, modifiers);
    mouse(InputEvent::Kind::MouseDown, c, client, modifiers);
    mouse(InputEvent::Kind::MouseUp, c, client, modifiers);
  }
  void key(unsigned vk, unsigned modifiers = 0) {
    backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, vk, modifiers));
    backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, vk, modifiers));
    settle();
  }
  void type(const std::string& utf8) {
    backend_->inject(InputEvent::typed(utf8));
    settle();
  }
  Color screenAt(Point screen) {
    settle();
    return ws_->captureScreen({screen.x, screen.y, screen.x + 1, screen.y + 1}).colorAt(0, 0);
  }

  HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<WindowSystem> ws_;
  std::unique_ptr<TApplication> app_;
  TForm* form_ = nullptr;
  std::vector<std::string> boxes;
};

}  // namespace tavra::test
