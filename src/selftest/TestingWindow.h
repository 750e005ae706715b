#pragma once
// The testing window: personal data, the variant and question tabs, the answer group, the
// status pictures, the page viewer with the question pages, and the hidden answer record.
// Closing it returns to the main window.
#include <array>
#include <memory>
#include <string>

#include "framework/core/Form.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/Memo.h"
#include "framework/core/Timer.h"
#include "platform/page/WebBrowser.h"
#include "selftest/MarkPictureCache.h"
#include "skin/controls/sBitBtn.h"
#include "skin/hints/TsHintManager.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/labels/sLabel.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sRadioGroup.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/tabs/sTabControl.h"

namespace tavra {

class TestingWindow : public TForm {
 public:
  explicit TestingWindow(TComponent* owner);

  TsTabControl* tc1 = nullptr;
  TsGroupBox* gb1 = nullptr;
  TsLabelFX* sLabelFX1 = nullptr;
  TsLabelFX* sLabelFX2 = nullptr;
  TsLabelFX* sLabelFX3 = nullptr;
  TsEdit* e1 = nullptr;
  TsEdit* e2 = nullptr;
  TsEdit* e3 = nullptr;
  TsSpeedButton* sb1 = nullptr;
  TsSpeedButton* sb2 = nullptr;
  TsSpeedButton* sb3 = nullptr;
  TImage* im1 = nullptr;
  TImage* im2 = nullptr;
  TImage* im3 = nullptr;
  TsGroupBox* gb2 = nullptr;
  TsTabControl* tc2 = nullptr;
  TsRadioGroup* rg1 = nullptr;
  TsBitBtn* f2b1 = nullptr;
  TsBitBtn* f2b2 = nullptr;
  TsBitBtn* f2b3 = nullptr;
  TsGroupBox* gb3 = nullptr;
  TsPanel* sPanel1 = nullptr;
  TWebBrowser* wb2 = nullptr;
  // Label1 to Label15: the result report, under the page viewer.
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
  TMemo* m1 = nullptr;
  TTimer* Timer1 = nullptr;
  TsHintManager* sHintManager1 = nullptr;

  void FormCreate(TComponent& sender);
  void FormClose(TComponent& sender, TCloseAction& action);
  void tc2Change(TComponent& sender);
  void rg1Click(TComponent& sender);
  void Timer1Timer(TComponent& sender);
  void e1KeyPress(TComponent& sender, char32_t& key);
  void e2KeyPress(TComponent& sender, char32_t& key);
  void e3KeyPress(TComponent& sender, char32_t& key);
  void sb1Click(TComponent& sender);
  void sb2Click(TComponent& sender);
  void sb3Click(TComponent& sender);
  void gb2Click(TComponent& sender);
  void f2b1Click(TComponent& sender);  // "Вернуться к учебнику"
  void f2b2Click(TComponent& sender);  // "Сдать тест"
  void f2b3Click(TComponent& sender);  // "Посмотреть результат"

  // The reset that the main window's "тесты" runs after showing this window: start page, empty
  // fields, ten "-1" lines, no variant, question or answer, data unlocked, submit enabled, view
  // disabled.
  void ResetTest();

  std::array<TLabel*, 15> reportLabels() const;

  // The content path last asked of the page viewer.
  const std::string& requestedPage() const { return wb2->requestedPath(); }

  // Whether a typed character may go into a personal-data field: Backspace, Latin and Cyrillic
  // letters (by their Windows-1251 code), nothing else.
  static bool acceptsPersonalDataChar(char32_t ch);

 private:
  void openPage(const std::string& relativePath);
  void filterKey(char32_t& key, const char* message);
  void clearField(TsEdit& field);
  void resetAnswerRecord();
  int answerCode(int question) const;

  MarkPictureCache marks_;
  // What each status picture shows: null before the first tick, then the file's picture.
  std::array<std::shared_ptr<const Bitmap>, 3> shownMarks_{};
  std::array<bool, 3> marksLoaded_{};
};

}  // namespace tavra
