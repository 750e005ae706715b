#include "framework/core/MessageBoxes.h"

#include <algorithm>

#include "framework/controls/Button.h"
#include "framework/core/CustomControl.h"

namespace tavra {
namespace {

constexpr MessageId kAnnounce = WM_APP + 0x31;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;

// Draws the box's 32 × 32 icon as shapes.
void drawIcon(Canvas& c, MessageBoxIcon icon, Point at) {
  Rect r = Rect::fromSize(at.x, at.y, kIconSize, kIconSize);
  Font f = systemFont();
  f.height = 22;
  f.style = fsBold;
  switch (icon) {
    case MessageBoxIcon::None:
      return;
    case MessageBoxIcon::Error:
      c.fillEllipse(r, rgb(255, 0, 0));
      for (int i = 0; i < 14; ++i) {
        c.fillRect(Rect::fromSize(at.x + 9 + i, at.y + 9 + i, 2, 2), clWhite);
        c.fillRect(Rect::fromSize(at.x + 22 - i, at.y + 9 + i, 2, 2), clWhite);
      }
      return;
    case MessageBoxIcon::Warning: {
      Point tri[3] = {{at.x + 16, at.y + 1}, {at.x + 31, at.y + 30}, {at.x + 1, at.y + 30}};
      c.fillPolygon(tri, rgb(255, 255, 0));
      c.drawPolyline(std::span<const Point>(tri, 3), clBlack);
      c.drawLine(tri[2], tri[0], clBlack);
      f.color = clBlack;
      c.setFont(f);
      c.setBackgroundMode(BackgroundMode::Transparent);
      c.drawText("!", Rect::fromSize(at.x, at.y + 6, kIconSize, 24), DT_CENTER | DT_SINGLELINE | DT_VCENTER);
      return;
    }
    case MessageBoxIcon::Information:
    case MessageBoxIcon::Question:
      c.fillEllipse(r, rgb(0, 0, 255));
      f.color = clWhite;
      c.setFont(f);
      c.setBackgroundMode(BackgroundMode::Transparent);
      c.drawText(icon == MessageBoxIcon::Information ? "i" : "?", r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
      return;
  }
}

class TMessageText : public TGraphicControl {
 public:
  TMessageText(TComponent* owner, MessageBoxIcon icon) : TGraphicControl(owner), icon_(icon) {}
  int textLeft() const { return icon_ == MessageBoxIcon::None ? 0 : kIconSize + kMargin; }

 protected:
  void Paint() override {
    Canvas& c = *canvas();
    drawIcon(c, icon_, {0, 0});
    c.setFont(font());
    c.setBackgroundMode(BackgroundMode::Transparent);
    c.drawText(caption(), Rect{textLeft(), 0, width(), height()}, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  }

 private:
  MessageBoxIcon icon_;
};

// The box window. Window class: "TMessageForm" for the framework's boxes.
class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* owner, const MessageBoxInfo& info) : TForm(owner), info_(info) {
    setBorderStyle(TFormBorderStyle::bsDialog);
    setBorderIcons(biSystemMenu);
    setPosition(TPosition::poScreenCenter);
    setCaption(info.caption);
    setFont(systemFont());
    auto& text = make<TMessageText>(info.icon);
    text.setCaption(info.text);
    // Measure the text within half the screen's width.
    Bitmap scratch(1, 1);
    Canvas measure(scratch);
    measure.setFont(font());
    Rect box{0, 0, WindowSystem::instance().desktopSize().width / 2, 0};
    measure.drawText(info.text.empty() ? " " : info.text, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    int textW = box.width() + text.textLeft();
    int textH = std::max(box.height(), info.icon == MessageBoxIcon::None ? 0 : kIconSize);
    text.setParent(this);
    text.setBounds(kMargin, kMargin, textW, textH);
    auto& ok = make<TButton>();
    ok.setCaption("OK");
    ok.setModalResult(mrOk);
    ok.setDefault(true);
    ok.setCancel(true);
    int clientW = std::max(textW, 75) + 2 * kMargin;
    int clientH = kMargin + textH + kMargin + 23 + kMargin;
    ok.setParent(this);
    ok.setBounds((clientW - 75) / 2, clientH - kMargin - 23, 75, 23);
    setClientSize(clientW, clientH);
    setActiveControlQuiet(&ok);
    OnShow = [this](TComponent&) { window()->post(kAnnounce); };
  }

  void WndProc(TMessage& m) override {
    if (m.Msg == kAnnounce) {
      MessageBoxInfo info = info_;
      info.form = this;
      if (TApplication::exists()) Application().notifyMessageBoxShown(info);
      return;
    }
    TForm::WndProc(m);
  }

 protected:
  MessageBoxInfo info_;
};

// The system's box: the same look under the system's window class.
class TSystemMessageBox : public TMessageForm {
 public:
  using TMessageForm::TMessageForm;

 protected:
  void CreateParams(WindowParams& p) override {
    TMessageForm::CreateParams(p);
    p.className = "#32770";
  }
};

MessageBoxIcon iconOfFlags(unsigned flags) {
  switch (flags & 0xF0) {
    case MB_ICONSTOP: return MessageBoxIcon::Error;
    case MB_ICONQUESTION: return MessageBoxIcon::Question;
    case MB_ICONWARNING: return MessageBoxIcon::Warning;
    case MB_ICONINFORMATION: return MessageBoxIcon::Information;
    default: return MessageBoxIcon::None;
  }
}

template <typename Box>
int runBox(MessageBoxInfo info) {
  TApplication& app = Application();
  auto form = std::make_unique<Box>(&app, info);
  form->finishCreation();
  int result = form->ShowModal();
  return result == mrOk ? IDOK : IDCANCEL;
}

}  // namespace

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return runBox<TSystemMessageBox>({caption, text, iconOfFlags(flags), "#32770", nullptr});
}

void ShowMessage(const std::string& text) {
  runBox<TMessageForm>({Application().Title(), text, MessageBoxIcon::None, "TMessageForm", nullptr});
}

int MessageDlg(const std::string& text, TMsgDlgType type) {
  MessageBoxInfo info{"", text, MessageBoxIcon::None, "TMessageForm", nullptr};
  switch (type) {
    case TMsgDlgType::mtWarning:
      info.caption = "Warning";
      info.icon = MessageBoxIcon::Warning;
      break;
    case TMsgDlgType::mtError:
      info.caption = "Error";
      info.icon = MessageBoxIcon::Error;
      break;
    case TMsgDlgType::mtInformation:
      info.caption = "Information";
      info.icon = MessageBoxIcon::Information;
      break;
    case TMsgDlgType::mtConfirmation:
      info.caption = "Confirm";
      info.icon = MessageBoxIcon::Question;
      break;
    case TMsgDlgType::mtCustom:
      info.caption = Application().Title();
      break;
  }
  return runBox<TMessageForm>(info);
}

}  // namespace tavra
