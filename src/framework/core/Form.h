#pragma once
// Forms: top-level windows built by their stored layout (C++ code run while loading), then
// every component's Loaded, then the creation handler. Closing the application's main form
// ends the program; closing any other form hides it after its close handler.
#include <functional>
#include <memory>

#include "framework/core/CustomControl.h"
#include "gfx/Icon.h"

namespace tavra {

class TMainMenu;
class MenuBar;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

using TCloseEvent = std::function<void(TComponent& sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent& sender, bool& canClose)>;

class TCustomForm : public TCustomControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Ends loading: Loaded for every component, then the creation handler. Run once by whoever
  // created the form, after its stored layout is built.
  void finishCreation();

  TFormBorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(TFormBorderStyle s);
  unsigned borderIcons() const { return borderIcons_; }
  void setBorderIcons(unsigned icons);
  TFormStyle formStyle() const { return formStyle_; }
  void setFormStyle(TFormStyle s);
  TPosition position() const { return position_; }
  void setPosition(TPosition p);
  bool alphaBlend() const { return alphaBlend_; }
  void setAlphaBlend(bool on);
  std::uint8_t alphaBlendValue() const { return alphaBlendValue_; }
  void setAlphaBlendValue(std::uint8_t v);
  bool keyPreview() const { return keyPreview_; }
  void setKeyPreview(bool k) { keyPreview_ = k; }
  void setClientWidth(int w);
  void setClientHeight(int h);
  void setClientSize(int w, int h);
  // The form's own icon for its caption; empty: the application's. Read when the caption is drawn.
  const Icon& icon() const { return icon_; }
  void setIcon(Icon icon) { icon_ = std::move(icon); }

  // Control passes between windows through these three.
  void Show();
  void Hide();
  void Close();
  int ShowModal();
  int modalResult() const { return modalResult_; }
  void setModalResult(int r) { modalResult_ = r; }
  bool isModal() const { return modal_; }
  bool active() const;

  // The main menu whose top-level items make the bar under the caption.
  TMainMenu* Menu() const;
  void setMenu(TMainMenu* menu);
  MenuBar& menuBar() { return *menuBar_; }
  // The menu's items changed: the bar is measured and painted again.
  void menuChanged();

  TWinControl* activeControl() const { return activeControl_; }
  void setActiveControl(TWinControl* c);
  void setActiveControlQuiet(TWinControl* c) { activeControl_ = c; }
  void setBounds(int left, int top, int width, int height) override;
  Rect clientRect() const override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void WndProc(TMessage& msg) override;
  using TWinControl::KeyDown;
  using TWinControl::KeyPress;

 protected:
  void CreateParams(WindowParams& params) override;
  virtual void DoCreate();
  virtual bool CloseQuery();
  void boundsChanged(const Rect& oldBounds) override;
  void visibilityChanged() override;
  void Paint() override {}

 private:
  friend class TWinControl;
  void applyWindowStyle();
  class TButton* findButton(bool defaultButton) const;
  void focusFirstControl();

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TPosition position_ = TPosition::poDesigned;
  bool alphaBlend_ = false;
  std::uint8_t alphaBlendValue_ = 255;
  bool keyPreview_ = false;
  TWinControl* activeControl_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
  bool created_ = false;
  std::unique_ptr<MenuBar> menuBar_;
  Icon icon_;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

}  // namespace tavra
