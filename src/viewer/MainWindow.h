#pragma once
// The main window: the textbook viewer. The top bar holds the help button and the section
// labels; below it the table of contents, the page viewer and the section buttons; the main
// menu offers the covers, help, About and exit. Closing it ends the program (through the splash
// window, the application's main form).
#include <string_view>
#include <vector>

#include "framework/core/Form.h"
#include "framework/core/ImageList.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuItem.h"
#include "platform/page/WebBrowser.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sFrameBar.h"
#include "skin/labels/sLabel.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/controls/sTreeView.h"
#include "viewer/Navigation.h"

namespace tavra {

class TsSkinManager;

class MainWindow : public TForm {
 public:
  explicit MainWindow(TComponent* owner);

  TImageList* il1 = nullptr;
  TMainMenu* mm1 = nullptr;
  TMenuItem* N1 = nullptr;  // "Вид"
  TMenuItem* N6 = nullptr;  // "Обложки"
  std::vector<TMenuItem*> covers;  // N11 to N511: "1" to "51"
  TMenuItem* N2 = nullptr;  // "Справка"
  TMenuItem* N5 = nullptr;  // "Помощь"
  TMenuItem* N3 = nullptr;  // "О программе"
  TMenuItem* N4 = nullptr;  // "Выход"
  TsFrameBar* sFrameBar1 = nullptr;
  TsSpeedButton* sSpeedButton1 = nullptr;
  TsLabelFX* sLabelFX1 = nullptr;
  TsLabelFX* lfx3 = nullptr;
  TsLabelFX* sLabelFX2 = nullptr;
  TsTreeView* tv = nullptr;
  TsPanel* sPanel1 = nullptr;
  TWebBrowser* wb1 = nullptr;
  TsBitBtn* f1b1 = nullptr;  // "примеры"
  TsBitBtn* f1b2 = nullptr;  // "задания"
  TsBitBtn* f1b3 = nullptr;  // "тесты"
  TsBitBtn* f1b4 = nullptr;  // "глоссарий"
  TsBitBtn* sBitBtn1 = nullptr;  // "Приложения"
  TsBitBtn* f1b5 = nullptr;  // "Проверка"
  TsSkinManager* sm = nullptr;

  void FormCreate(TComponent& sender);
  void FormClose(TComponent& sender, TCloseAction& action);
  void tvChange(TComponent& sender, TTreeNode* node);
  void f1b1Click(TComponent& sender);           // "примеры"
  void f1b2Click(TComponent& sender);           // "задания"
  void f1b5Click(TComponent& sender);           // "Проверка"
  void f1b4Click(TComponent& sender);           // "глоссарий"
  void sBitBtn1Click(TComponent& sender);       // "Приложения"
  void N5Click(TComponent& sender);             // "Помощь"
  void sSpeedButton1Click(TComponent& sender);  // the help badge
  void f1b3Click(TComponent& sender);           // "тесты"
  void N3Click(TComponent& sender);             // "О программе"
  void N4Click(TComponent& sender);             // "Выход"
  // Covers "1" to "51" (N11Click to N511Click): cover k sets the skin name k of kCoverNames.
  void coverClick(int k);

 private:
  void buildMenu();
  void buildTopBar();
  void buildButtons();
  TsBitBtn* button(const char* name, Rect bounds, const char* caption, const char* hint, Bitmap glyph);
  TMenuItem* menuItem(TMenuItem& parent, const char* name, const char* caption, const char* hint);
  // The selected node's absolute index; -1 when nothing is selected.
  int selectedIndex() const;
  // Forms the content path of a stored relative path and asks the viewer for it.
  static void openPage(TWebBrowser& viewer, std::string_view relative);
  void openChapterPage(navigation::ChapterPage which);
};

}  // namespace tavra
