#pragma once
// The application object: title, main form, the forms it owns, the run loop, the top-level
// handling of errors that escape event handlers, message boxes, and the tracking of the control
// under the mouse (mouse enter and leave notifications).
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Form.h"
#include "framework/core/HintInfo.h"

namespace tavra {

class TControl;
class THintWindow;
class HintController;

// An error with a message text, as event handlers raise them.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

enum class MessageBoxIcon { None, Information, Warning, Error, Question };

// What a message box shows; observers (the headless test driver) see every box.
struct MessageBoxInfo {
  std::string caption;
  std::string text;
  MessageBoxIcon icon = MessageBoxIcon::None;
  std::string windowClass;  // "TMessageForm" or "#32770"
  TCustomForm* form = nullptr;
};

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  static bool exists();

  const std::string& Title() const { return title_; }
  void setTitle(const std::string& t) { title_ = t; }
  // The icon of the application's windows whose forms have none of their own.
  const Icon& icon() const { return icon_; }
  void setIcon(Icon icon) { icon_ = std::move(icon); }
  TCustomForm* MainForm() const { return mainForm_; }

  // Creates a form completely (stored layout, Loaded, creation handler); the first form
  // created becomes the main form.
  template <typename T>
  T& CreateForm() {
    auto form = std::make_unique<T>(this);
    T& ref = *form;
    adopt(std::move(form));
    try {
      ref.finishCreation();
    } catch (const std::exception& e) {
      // Before the main form shows, a box's loop would run the timers of forms created so far
      // while the later ones do not exist yet: the error waits for ShowMainForm.
      if (mainFormShown_) {
        HandleException(e);
      } else {
        heldErrors_.push_back(e.what());
      }
    }
    if (!mainForm_) mainForm_ = &ref;
    return ref;
  }

  // Shows the main form, then the errors that escaped the creation of forms before it showed.
  void ShowMainForm();
  // ShowMainForm, then the event loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const;
  void ProcessMessages();

  // The top-level handling of an error that escaped an event handler: an error box.
  void HandleException(const std::exception& e);
  void ShowException(const std::exception& e);
  // The text an error box shows: a full stop is added when the last character sorts after ".".
  static std::string exceptionText(const std::string& message);

  // Message box observers run when a box has been shown, inside its modal loop.
  void addMessageBoxObserver(std::function<void(const MessageBoxInfo&)> observer);
  void notifyMessageBoxShown(const MessageBoxInfo& info);

  // The control under the mouse.
  TControl* mouseControl() const { return mouseControl_; }
  void updateMouseControl();
  void controlDestroyed(TControl* c);
  void formDestroyed(TCustomForm* f);

  // Hints: shown after HintPause over a control, after HintShortPause when moving on from
  // another hint, hidden after HintHidePause (milliseconds).
  bool ShowHint = true;
  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  Color HintColor = clInfoBk;
  TShowHintEvent OnShowHint;
  // The current long hint (of the control or menu item under the pointer) and its event.
  const std::string& Hint() const { return hint_; }
  void setHint(const std::string& hint);
  TNotifyEvent OnHint;
  void CancelHint();
  void HideHint();
  // Shows the hint of the control under a screen point at once.
  void ActivateHint(Point screen);
  // The window class hints are shown in (null: the framework's THintWindow).
  void setHintWindowClass(std::function<std::unique_ptr<THintWindow>(TComponent* owner)> factory);
  HintController& hints() { return *hints_; }

 private:
  std::string title_;
  Icon icon_;
  TCustomForm* mainForm_ = nullptr;
  bool mainFormShown_ = false;
  std::vector<std::string> heldErrors_;
  TControl* mouseControl_ = nullptr;
  std::vector<std::function<void(const MessageBoxInfo&)>> boxObservers_;
  std::unique_ptr<HintController> hints_;
  std::string hint_;
};

// The application of the process.
TApplication& Application();

}  // namespace tavra
