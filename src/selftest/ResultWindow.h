#pragma once
// The result window: the variant, the report lines copied from the testing window, and a
// countdown from "10" that returns to the main window at "0". A click on the number pauses it, a
// double click resumes it; closing the window returns at once.
#include <array>

#include "framework/core/Form.h"
#include "framework/controls/Label.h"
#include "framework/core/Timer.h"
#include "skin/labels/sLabel.h"

namespace tavra {

class ResultWindow : public TForm {
 public:
  explicit ResultWindow(TComponent* owner);

  TsLabelFX* sl1 = nullptr;        // the variant line
  TsLabelFX* sLabelFX1 = nullptr;  // "Окно закроется через:"
  TsLabelFX* sl2 = nullptr;        // the countdown
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label8 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label11 = nullptr;
  TLabel* Label12 = nullptr;
  TLabel* Label13 = nullptr;
  TLabel* Label14 = nullptr;
  TLabel* Label15 = nullptr;
  TLabel* Label16 = nullptr;
  TTimer* t5 = nullptr;

  // Label1 to Label15.
  std::array<TLabel*, 15> reportLabels() const;

  void FormClose(TComponent& sender, TCloseAction& action);
  void t5Timer(TComponent& sender);
  void sl2Click(TComponent& sender);
  void sl2DblClick(TComponent& sender);
};

}  // namespace tavra
