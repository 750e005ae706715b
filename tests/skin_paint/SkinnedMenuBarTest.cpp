// The menu bar in a skinned frame: the MENULINE section under the bar from the window's left edge
// to its right edge, over every line the bar's items take.
#include <gtest/gtest.h>

#include <functional>

#include "FrameFixture.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuBar.h"

namespace tavra::test {
namespace {

using namespace frame_colors;

constexpr Color kMenuLine = rgb(90, 160, 60);
constexpr Point kOrigin{100, 100};

class SkinnedMenuBarTest : public FrameFixture {
 protected:
  // A shown single-frame form with a three-item main menu, in the frame skin with a MENULINE.
  TForm& showMenuForm() {
    TsStoredSkin skin = frameSkin({});
    TsSkinGeneral& line = skin.GeneralData.emplace_back();
    line.SectionName = "MENULINE";
    line.Color = line.HotColor = kMenuLine;
    line.FontColor = line.HotFontColor = "0 -1 -1 -1 -1";
    driver.app().CreateForm<TForm>();
    sm = &driver.app().make<TsSkinManager>();
    sm->AnimEffects.SkinChanging.Active = false;
    sm->internalSkins().add() = skin;
    sm->setSkinName("Frames");
    TForm& form = driver.app().CreateForm<TForm>();
    TMainMenu& menu = form.make<TMainMenu>();
    for (const char* caption : {"Вид", "Справка", "Выход"}) {
      TMenuItem& item = form.make<TMenuItem>();
      item.setCaption(caption);
      menu.Items().Add(item);
    }
    form.setMenu(&menu);
    form.setBorderStyle(TFormBorderStyle::bsSingle);
    form.setCaption("Frame");
    form.setBounds(kOrigin.x, kOrigin.y, 500, 300);
    form.Show();
    driver.settle();
    return form;
  }
};

TEST_F(SkinnedMenuBarTest, TheMenuLineSpansTheWholeWidthOfEveryLine) {
  TForm& form = showMenuForm();
  MenuBar& bar = form.menuBar();
  const int frame = 3, top = frame + 19, line = MenuBar::lineHeight();
  int itemsWidth = 0;
  for (int i = 0; i < 3; ++i) itemsWidth += bar.itemRect(i).width();
  struct Case {
    const char* what;
    std::function<void()> change;
    int lines;
  };
  // 500 pixels hold the three items on one line; one pixel less than they need wraps the last;
  // hiding it leaves one line in the same width.
  const Case cases[] = {
      {"wide", [] {}, 1},
      {"narrow", [&] { form.setBounds(kOrigin.x, kOrigin.y, itemsWidth - 1 + 2 * frame, 300); }, 2},
      {"an item hidden", [&] { form.Menu()->Items().items(2)->setVisible(false); }, 1},
  };
  for (const Case& c : cases) {
    c.change();
    driver.settle();
    ASSERT_EQ(bar.lineCount(), c.lines) << c.what;
    EXPECT_EQ(form.window()->clientRect().top, top + c.lines * line + 1) << c.what;
    const int width = form.width();
    const Bitmap shot = driver.screenshot();
    for (int k = 0; k < c.lines; ++k) {
      const int y = kOrigin.y + top + k * line + line / 2;
      for (int x : {0, 1, frame - 1, width - frame, width - 1}) {
        EXPECT_EQ(shot.colorAt(kOrigin.x + x, y), kMenuLine) << c.what << ", line " << k << ", x " << x;
      }
    }
    // Beside the client area under the bar the frame comes back.
    EXPECT_EQ(shot.colorAt(kOrigin.x, kOrigin.y + top + c.lines * line + 2), kBorder) << c.what;
  }
}

}  // namespace
}  // namespace tavra::test
