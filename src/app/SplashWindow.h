#pragma once
// The splash window: a borderless title picture that fades in, counts down three seconds while
// "Загрузка" grows a row of stars, fades out and hands over to the main window. It is the
// application's main form, so closing it ends the program.
#include "framework/core/Form.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/core/Timer.h"
#include "skin/labels/sLabel.h"
#include "skin/controls/sPanel.h"

namespace tavra {

class SplashWindow : public TForm {
 public:
  explicit SplashWindow(TComponent* owner);

  TLabel* ll1 = nullptr;
  TsPanel* sPanel1 = nullptr;
  TImage* Image1 = nullptr;
  TsLabelFX* zagr = nullptr;
  TTimer* tt1 = nullptr;
  TTimer* tt2 = nullptr;
  TTimer* tt3 = nullptr;
  TTimer* tt4 = nullptr;

  void FormCreate(TComponent& sender);
  void tt1Timer(TComponent& sender);
  void tt2Timer(TComponent& sender);
  void tt3Timer(TComponent& sender);
  void tt4Timer(TComponent& sender);

  // The window's opacity, 0 (invisible) to 255.
  std::uint8_t opacity() const { return alphaBlendValue(); }
};

}  // namespace tavra
