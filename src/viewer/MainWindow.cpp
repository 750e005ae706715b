#include "viewer/MainWindow.h"

#include <initializer_list>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "selftest/TestingWindow.h"
#include "skin/builtin/BuiltInSkins.h"
#include "skin/manager/TsSkinManager.h"
#include "program/ContentPaths.h"
#include "viewer/CoverNames.h"
#include "viewer/CoverPreviews.h"
#include "viewer/MainWindowPictures.h"
#include "viewer/TableOfContents.h"
#include "viewer/AppendicesWindow.h"

namespace tavra {

MainWindow::MainWindow(TComponent* owner) : TForm(owner) {
  setName("Form1");
  setCaption("Veltrana Часть первая");
  setBorderStyle(TFormBorderStyle::bsSingle);
  setBorderIcons(biSystemMenu | biMinimize);
  setFont(Font{"MS Sans Serif", 11, fsNone, clWindowText, FontCharset::Default});
  setShowHint(true);
  setBounds(9, 5, width(), height());

  il1 = &make<TImageList>(16, 16);
  il1->setName("il1");
  for (auto badge : {assets::kTocBadge0, assets::kTocBadge1, assets::kTocBadge2}) il1->add(pictures::straight(badge));

  buildMenu();
  setClientSize(1000, 680);
  buildTopBar();

  tv = &make<TsTreeView>();
  tv->setName("tv");
  tv->setParent(this);
  tv->setBounds(0, 80, 273, 537);
  tv->setHint("Выберите пункт для просмотра");
  tv->setIndent(19);
  tv->setShowLines(false);
  tv->setShowButtons(true);
  tv->setShowRoot(true);
  tv->setHideSelection(true);
  tv->setReadOnly(true);
  tv->setBorderStyle(TBorderStyle::bsSingle);
  tv->setColor(clWhite);
  tv->setFont(Font{"MS Sans Serif", 11, fsNone, clBlack, FontCharset::Default});
  tv->setImages(il1);
  toc::fill(tv->items());
  tv->OnChange = [this](TComponent& s, TTreeNode* node) { tvChange(s, node); };

  sPanel1 = &make<TsPanel>();
  sPanel1->setName("sPanel1");
  sPanel1->setParent(this);
  sPanel1->setBounds(272, 80, 729, 601);
  sPanel1->setBevelInner(TBevelCut::bvSpace);
  sPanel1->setBevelOuter(TBevelCut::bvSpace);
  sPanel1->setBorderStyle(TBorderStyle::bsSingle);

  wb1 = &make<TWebBrowser>();
  wb1->setName("wb1");
  wb1->setParent(sPanel1);
  wb1->setBounds(2, 2, 721, 593);

  buildButtons();

  // Tab order: the tree first, so it takes the focus (and selects node 0) when shown.
  int order = 0;
  for (TWinControl* c : std::initializer_list<TWinControl*>{tv, sFrameBar1, f1b2, f1b3, f1b5, f1b1, f1b4, sPanel1, sBitBtn1}) {
    c->setTabOrder(order++);
  }
  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
  OnCreate = [this](TComponent& s) { FormCreate(s); };

  // The skin manager and its stored settings.
  sm = &make<TsSkinManager>();
  sm->setName("sm");
  sm->setInternalSkins(builtInSkins());
  sm->setSkinDirectory("c:\\Skins");
  sm->setSkinName("Beijing (internal)");
  sm->setSkinInfo("6.14");
}

void MainWindow::FormCreate(TComponent&) {
  sm->setSkinDirectory(content::path(content::kSkins));
  sm->setSkinName("Rhombus");
}

TMenuItem* MainWindow::menuItem(TMenuItem& parent, const char* name, const char* caption, const char* hint) {
  TMenuItem& item = make<TMenuItem>();
  item.setName(name);
  item.setCaption(caption);
  item.setHint(hint);
  parent.Add(item);
  return &item;
}

void MainWindow::buildMenu() {
  mm1 = &make<TMainMenu>();
  mm1->setName("mm1");
  N1 = menuItem(mm1->Items(), "N1", "Вид", "Внешний вид учебника");
  N6 = menuItem(*N1, "N6", "Обложки", "Выберите обложку");
  N6->setBitmap(pictures::straight(assets::kMenuCovers));
  for (int k = 1; k <= static_cast<int>(kCoverNames.size()); ++k) {
    const std::string number = std::to_string(k);
    TMenuItem* cover = menuItem(*N6, ("N" + number + "1").c_str(), number.c_str(), "");
    cover->setBitmap(pictures::coverPreview(k - 1));
    cover->OnClick = [this, k](TComponent&) { coverClick(k); };
    covers.push_back(cover);
  }
  N2 = menuItem(mm1->Items(), "N2", "Справка", "Получение справочной информации");
  N5 = menuItem(*N2, "N5", "Помощь", "");
  N5->setBitmap(pictures::straight(assets::kButtonQuestions));
  N5->OnClick = [this](TComponent& s) { N5Click(s); };
  N3 = menuItem(*N2, "N3", "О программе", "");
  N3->setBitmap(pictures::straight(assets::kMenuAbout));
  N3->OnClick = [this](TComponent& s) { N3Click(s); };
  N4 = menuItem(mm1->Items(), "N4", "Выход", "Нажмите для выхода ");
  N4->OnClick = [this](TComponent& s) { N4Click(s); };
  setMenu(mm1);
}

void MainWindow::buildTopBar() {
  sFrameBar1 = &make<TsFrameBar>();
  sFrameBar1->setName("sFrameBar1");
  sFrameBar1->setParent(this);
  sFrameBar1->setBounds(0, 0, 1000, 81);
  sFrameBar1->setAlign(TAlign::alTop);
  sFrameBar1->setBorderStyle(TBorderStyle::bsNone);

  sSpeedButton1 = &make<TsSpeedButton>();
  sSpeedButton1->setName("sSpeedButton1");
  sSpeedButton1->setParent(sFrameBar1);
  sSpeedButton1->setBounds(920, 0, 73, 73);
  sSpeedButton1->setGlyph(pictures::premultiplied(assets::kHelpBadge));
  sSpeedButton1->OnClick = [this](TComponent& s) { sSpeedButton1Click(s); };

  auto label = [this](const char* name, Rect bounds, const char* caption, Font font) {
    TsLabelFX& l = make<TsLabelFX>();
    l.setName(name);
    l.setParent(sFrameBar1);
    l.setBoundsRect(bounds);
    l.setFont(font);
    l.setCaption(caption);
    return &l;
  };
  sLabelFX1 = label("sLabelFX1", Rect::fromSize(8, 16, 266, 48), "СОДЕРЖАНИЕ", Font{"Times New Roman", 35, fsBold, clBlack, FontCharset::Default});
  lfx3 = label("lfx3", Rect::fromSize(8, 56, 12, 30), "", Font{"Monotype Corsiva", 19, fsItalic, clBlack, FontCharset::Default});
  lfx3->setAlignment(TAlignment::taCenter);
  sLabelFX2 = label("sLabelFX2", Rect::fromSize(379, 0, 542, 66), "Veltrana", Font{"Verdana", 24, fsBold | fsItalic, clBlack, FontCharset::Default});
  sLabelFX2->setAlignment(TAlignment::taRightJustify);
  sLabelFX2->setWordWrap(true);
}

TsBitBtn* MainWindow::button(const char* name, Rect bounds, const char* caption, const char* hint, Bitmap glyph) {
  TsBitBtn& b = make<TsBitBtn>();
  b.setName(name);
  b.setParent(this);
  b.setBoundsRect(bounds);
  b.setCaption(caption);
  b.setHint(hint);
  b.setGlyph(std::move(glyph));
  return &b;
}

void MainWindow::buildButtons() {
  using pictures::premultiplied;
  const char* tasksHint = "Чтобы просмотреть задания нажмите эту кнопку";
  f1b1 = button("f1b1", Rect::fromSize(0, 619, 89, 30), "примеры", tasksHint, premultiplied(assets::kButtonExamples));
  f1b2 = button("f1b2", Rect::fromSize(88, 619, 97, 30), "задания", tasksHint, premultiplied(assets::kButtonTasks));
  f1b3 = button("f1b3", Rect::fromSize(184, 619, 89, 30), "тесты", "Небольшое проверочное тестирование", premultiplied(assets::kButtonTests));
  f1b4 = button("f1b4", Rect::fromSize(0, 650, 89, 30), "глоссарий", "Глоссарий к учебнику", premultiplied(assets::kButtonGlossary));
  sBitBtn1 = button("sBitBtn1", Rect::fromSize(88, 650, 97, 30), "Приложения", "Рисунки используемые в тексте", premultiplied(assets::kButtonExamples));
  f1b5 = button("f1b5", Rect::fromSize(184, 650, 89, 30), "Проверка", "Вопросы для самопроверки", premultiplied(assets::kButtonQuestions));
  f1b1->OnClick = [this](TComponent& s) { f1b1Click(s); };
  f1b2->OnClick = [this](TComponent& s) { f1b2Click(s); };
  f1b3->OnClick = [this](TComponent& s) { f1b3Click(s); };
  f1b4->OnClick = [this](TComponent& s) { f1b4Click(s); };
  sBitBtn1->OnClick = [this](TComponent& s) { sBitBtn1Click(s); };
  f1b5->OnClick = [this](TComponent& s) { f1b5Click(s); };
}

// --- Navigation ----------------------------------------------------------------------------------

int MainWindow::selectedIndex() const {
  TTreeNode* node = tv->selected();
  return node ? node->absoluteIndex() : -1;
}

void MainWindow::openPage(TWebBrowser& viewer, std::string_view relative) { viewer.Navigate(content::path(relative)); }

void MainWindow::openChapterPage(navigation::ChapterPage which) {
  if (auto page = navigation::chapterPage(selectedIndex(), which)) openPage(*wb1, *page);
}

void MainWindow::tvChange(TComponent&, TTreeNode*) {
  // The selected node is read back from the tree; its page is asked for before the label
  // changes.
  int i = selectedIndex();
  if (i < 0) return;
  openPage(*wb1, navigation::nodePage(i));
  lfx3->setCaption(tv->items().item(i)->text());
}

void MainWindow::f1b1Click(TComponent&) { openChapterPage(navigation::ChapterPage::Examples); }

void MainWindow::f1b2Click(TComponent&) { openChapterPage(navigation::ChapterPage::Tasks); }

void MainWindow::f1b5Click(TComponent&) { openChapterPage(navigation::ChapterPage::Questions); }

void MainWindow::f1b4Click(TComponent&) { openPage(*wb1, content::kGlossary); }

void MainWindow::sBitBtn1Click(TComponent&) {
  auto page = navigation::appendixPage(selectedIndex());
  if (!page) {
    handover::noAppendices();
    return;
  }
  handover::openAppendices();
  openPage(*programWindows().appendicesWindow->WB3, *page);
}

void MainWindow::N5Click(TComponent&) { openPage(*wb1, content::kHelp); }

void MainWindow::sSpeedButton1Click(TComponent&) { openPage(*wb1, content::kHelp); }

void MainWindow::FormClose(TComponent&, TCloseAction&) { handover::closeMain(); }

void MainWindow::f1b3Click(TComponent&) {
  handover::openTesting();
  programWindows().testingWindow->ResetTest();
}

void MainWindow::N3Click(TComponent&) { handover::openAbout(); }

void MainWindow::coverClick(int k) { sm->setSkinName(kCoverNames.at(static_cast<size_t>(k - 1))); }

void MainWindow::N4Click(TComponent&) { handover::exitProgram(); }

}  // namespace tavra
