// tavra-skinsheet DIR: writes DIR/main.png, the main window in each of the 51 skins of the
// covers menu (in its order, 8 per row), and DIR/testing.png, the testing window during a test
// in each skin. The skins are the packages of the folder "skins" beside the program; the
// windows are drawn by the engine on the headless display.
// tavra-skinsheet --skin NAME [--skin NAME2 ...] DIR: instead of the sheets, writes each named
// skin's windows at full size, DIR/NAME-main.png (with the first chapter's node selected) and
// DIR/NAME-testing.png.
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "ContactSheet.h"
#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/TabScroller.h"
#include "framework/controls/TreeNodes.h"
#include "framework/controls/TreeView.h"
#include "gfx/ImageCodec.h"
#include "selftest/TestingWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/CoverNames.h"
#include "viewer/MainWindow.h"

namespace {

using namespace tavra;

const std::vector<std::string>& kCovers = kCoverNames;

constexpr int kColumns = 8;
constexpr int kScale = 4;  // thumbnails are a quarter of the window's size

Rect screenRectOf(const TControl& form) { return Rect{form.left(), form.top(), form.left() + form.width(), form.top() + form.height()}; }

// Changes the skin as the covers menu does. A skin that fails to load leaves the skin in use, as
// in the program; the error the program would show in its box is printed.
void chooseSkin(TsSkinManager& sm, const std::string& name) {
  try {
    sm.setSkinName(name);
  } catch (const std::exception& e) {
    std::cerr << "tavra-skinsheet: skin " << name << ": " << e.what() << "\n";
  }
}

// Each skin in turn, the window `form` photographed after the skin has settled.
Bitmap sheetOf(HeadlessDriver& d, TsSkinManager& sm, const TControl& form) {
  const Rect r = screenRectOf(form);
  ContactSheet sheet(kColumns, r.width() / kScale, r.height() / kScale, static_cast<int>(kCovers.size()));
  for (size_t i = 0; i < kCovers.size(); ++i) {
    chooseSkin(sm, kCovers[i]);
    d.settle();
    d.advance(400);  // fades and animations come to rest
    const Bitmap screen = d.screenshot();
    std::string caption = std::to_string(i + 1) + " " + kCovers[i];
    if (sm.skinName() != kCovers[i]) caption += " (missing: " + sm.skinName() + ")";
    sheet.put(static_cast<int>(i), screen.copy(r), caption);
  }
  return sheet.bitmap();
}

// The window `form` at full size in the skin `name`.
Bitmap fullSizeOf(HeadlessDriver& d, TsSkinManager& sm, const TControl& form, const std::string& name) {
  chooseSkin(sm, name);
  d.settle();
  d.advance(400);
  return d.screenshot().copy(screenRectOf(form));
}

bool isCover(const std::string& name) {
  for (const std::string& c : kCovers)
    if (c == name) return true;
  return false;
}

// Opens the testing window as a student does: personal data, variant 1, three answers given.
void startTest(HeadlessDriver& d, MainWindow& main, TestingWindow& test) {
  main.f1b3Click(main);
  d.settle();
  auto type = [&](TControl& field, const std::string& text) {
    d.click(field);
    d.typeText(text);
  };
  type(*test.e1, "Иванов");
  type(*test.e2, "Петр");
  type(*test.e3, "Сергеевич");
  auto clickTab = [&](TCustomTabControl& tabs, int index) {
    for (int guard = 0; guard < 20; ++guard) {
      TTabScroller* arrows = tabs.scroller();
      if (!arrows || !arrows->visible()) break;
      const Rect item = tabs.itemRect(index);
      if (item.left < 0) d.clickAt(*arrows, {2, arrows->height() / 2});
      else if (item.right > arrows->left()) d.clickAt(*arrows, {arrows->width() - 3, arrows->height() / 2});
      else break;
    }
    const Rect item = tabs.itemRect(index);
    d.clickAt(tabs, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  };
  clickTab(*test.tc1, 0);
  const int answers[3] = {0, 3, 2};
  for (int q = 0; q < 3; ++q) {
    clickTab(*test.tc2, q);
    TRadioButton& b = test.rg1->Buttons(answers[q]);
    d.clickAt(b, {6, b.height() / 2});
  }
  d.settle();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> skins;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--skin" && i + 1 < argc) {
      skins.push_back(argv[++i]);
      if (!isCover(skins.back())) {
        std::cerr << "tavra-skinsheet: no skin named \"" << skins.back() << "\" in the covers menu\n";
        return 2;
      }
    } else {
      rest.push_back(arg);
    }
  }
  if (rest.size() != 1) {
    std::cerr << "usage: tavra-skinsheet [--skin NAME]... DIR\n";
    return 2;
  }
  const std::filesystem::path dir = rest.front();
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);

  HeadlessDriver d;
  startProgram(d);
  if (!d.advanceUntil([] { return programWindows().mainWindow && programWindows().mainWindow->visible(); }, 20000, 100)) {
    std::cerr << "tavra-skinsheet: the main window did not appear\n";
    return 1;
  }
  MainWindow& main = *programWindows().mainWindow;
  TestingWindow& test = *programWindows().testingWindow;
  TsSkinManager& sm = *main.sm;

  if (!skins.empty()) {
    // The student has picked the introduction: the full-size pictures show a selected tree item.
    if (TTreeNode* intro = main.tv->items().item(1)) {
      const Rect label = main.tv->labelRect(*intro);
      d.clickAt(*main.tv, {(label.left + label.right) / 2, (label.top + label.bottom) / 2});
      d.settle();
    }
    auto write = [&](const Bitmap& picture, const std::string& file) {
      const std::string path = (dir / file).string();
      if (!savePng(picture, path)) {
        std::cerr << "tavra-skinsheet: cannot write " << path << "\n";
        return false;
      }
      std::cout << path << "\n";
      return true;
    };
    for (const std::string& name : skins)
      if (!write(fullSizeOf(d, sm, main, name), name + "-main.png")) return 1;
    startTest(d, main, test);
    for (const std::string& name : skins)
      if (!write(fullSizeOf(d, sm, test, name), name + "-testing.png")) return 1;
    return 0;
  }

  const std::string mainPath = (dir / "main.png").string();
  if (!savePng(sheetOf(d, sm, main), mainPath)) {
    std::cerr << "tavra-skinsheet: cannot write " << mainPath << "\n";
    return 1;
  }
  std::cout << mainPath << "\n";

  startTest(d, main, test);
  const std::string testingPath = (dir / "testing.png").string();
  if (!savePng(sheetOf(d, sm, test), testingPath)) {
    std::cerr << "tavra-skinsheet: cannot write " << testingPath << "\n";
    return 1;
  }
  std::cout << testingPath << "\n";
  return 0;
}
