#include "platform/page/PageFindBar.h"

#include "winsys/Keys.h"

namespace tavra {
namespace {

constexpr unsigned kKeyF3 = 0x72;

}  // namespace

PageFindBar::PageFindBar(TComponent* owner) : TCustomControl(owner) {
  setColor(clBtnFace);
  setBounds(0, 0, 300, kHeight);
  caption_ = &make<TLabel>();
  caption_->setParent(this);
  caption_->setCaption("Найти:");
  caption_->setBounds(6, 6, 44, 15);
  edit_ = &make<TEdit>();
  edit_->setParent(this);
  edit_->setBounds(52, 3, 200, 20);
  status_ = &make<TLabel>();
  status_->setParent(this);
  status_->setBounds(262, 6, 120, 15);
  edit_->OnChange = [this](TComponent&) {
    if (OnSearch) OnSearch(edit_->text());
  };
  edit_->OnKeyDown = [this](TComponent&, unsigned& key, TShiftState shift) {
    bool backwards = (shift & ssShift) != 0;
    if (key == VK_RETURN || key == kKeyF3) {
      key = 0;
      if (OnStep) OnStep(backwards);
    } else if (key == VK_ESCAPE) {
      key = 0;
      if (OnClose) OnClose();
    }
  };
}

void PageFindBar::setResult(int current, int total) {
  if (edit_->text().empty()) {
    status_->setCaption("");
  } else if (total == 0) {
    status_->setCaption("Не найдено");
  } else {
    status_->setCaption(std::to_string(current + 1) + " из " + std::to_string(total));
  }
}

void PageFindBar::Paint() {
  Canvas& c = *canvas();
  c.fillRect(clientRect(), clBtnFace);
  c.fillRect(Rect{0, 0, clientWidth(), 1}, systemColor(SysColor::BtnShadow));
}

}  // namespace tavra
