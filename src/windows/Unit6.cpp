#include "windows/Unit6.h"

namespace tavra {

TForm6::TForm6(TComponent* owner) : TForm(owner) {
  setName("Form6");
  setCaption("О программе");
  setBorderStyle(TFormBorderStyle::bsSizeable);
  setBorderIcons(biSystemMenu);
  setBounds(281, 161, 480, 427);
  setAlphaBlend(true);
  setAlphaBlendValue(210);
}

}  // namespace tavra
