// Text that skinned controls draw in their section's colours, on the headless display: the
// edit's contours around what it shows, and a panel's caption following its text, font and own
// colour at run time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "driver/fixtures/FixtureSkin.h"
#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sPanel.h"

namespace tavra::test {
namespace {

constexpr Color kLeft = rgb(255, 0, 0);
constexpr Color kTop = rgb(0, 200, 0);
constexpr Color kRight = rgb(0, 0, 255);
constexpr Color kBottom = rgb(255, 0, 255 - 1);  // not the transparent colour
constexpr Color kWhite = rgb(255, 255, 255);

// The fixture skin whose EDIT section writes black text with the contour colours `contours`
// (left, top, right, bottom; -1 for none).
TsStoredSkin contourSkin(const std::string& name, const std::string& contours) {
  TsStoredSkin skin = fixtureSkin();
  skin.Name = name;
  for (TsSkinGeneral& s : skin.GeneralData) {
    if (s.SectionName != "EDIT") continue;
    s.Color = s.HotColor = kWhite;
    s.FontColor = s.HotFontColor = "0 " + contours;
  }
  return skin;
}

std::string colour(Color c) { return std::to_string(c); }

// The text's pixels are smoothed at their edges: a pixel counts as a colour within 40 a channel.
bool near(Color p, Color c) {
  return std::abs(redOf(p) - redOf(c)) <= 40 && std::abs(greenOf(p) - greenOf(c)) <= 40 &&
         std::abs(blueOf(p) - blueOf(c)) <= 40;
}

// Where in a picture the pixels of one colour lie.
struct Spread {
  int count = 0;
  Rect box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
  void add(int x, int y) {
    ++count;
    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
  }
};

Spread spreadOf(const Bitmap& b, const Rect& r, const std::function<bool(Color)>& is) {
  Spread s;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (is(b.colorAt(x, y))) s.add(x, y);
    }
  }
  return s;
}

class SkinnedText : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TForm* form = nullptr;

  void SetUp() override {
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = fixtureSkin();
    sm->setSkinName(fixtureSkin().Name);
    form = &driver.app().CreateForm<TForm>();
    form->setBounds(0, 0, 300, 200);
    form->Show();
  }
  Bitmap shot(const TControl& c) {
    const Point at = c.clientToScreen({0, 0});
    return driver.screenshot().copy(Rect::fromSize(at.x, at.y, c.width(), c.height()));
  }
};

TEST_F(SkinnedText, AnEditWritesItsTextOverTheContourColoursItsSectionSets) {
  struct Case {
    const char* name;
    std::string contours;
    bool customFont;
    bool enabled;
    // Which contours show: left, top, right, bottom.
    bool left, top, right, bottom;
  } cases[] = {
      {"All", colour(kLeft) + " " + colour(kTop) + " " + colour(kRight) + " " + colour(kBottom), false, true, true, true, true, true},
      {"LeftRight", colour(kLeft) + " -1 " + colour(kRight) + " -1", false, true, true, false, true, false},
      {"TopOnly", "-1 " + colour(kTop) + " -1 -1", false, true, false, true, false, false},
      {"None", "-1 -1 -1 -1", false, true, false, false, false, false},
      {"CustomFont", colour(kLeft) + " " + colour(kTop) + " " + colour(kRight) + " " + colour(kBottom), true, true, false, false, false, false},
      {"Disabled", colour(kLeft) + " " + colour(kTop) + " " + colour(kRight) + " " + colour(kBottom), false, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sm->internalSkins().add() = contourSkin(c.name, c.contours);
    sm->setSkinName(c.name);
    TsEdit& edit = form->make<TsEdit>();
    edit.SkinData.setCustomFont(c.customFont);
    edit.setParent(form);
    edit.setBoundsRect({20, 20, 220, 44});
    edit.setCaption("HHHH");
    edit.setEnabled(c.enabled);
    driver.moveTo(form->clientToScreen({290, 190}));
    driver.settle();
    ASSERT_TRUE(edit.SkinData.HasSkin());
    const Bitmap b = shot(edit);
    const Rect inside = b.bounds().inflatedBy(-2, -2);
    const Spread ink = spreadOf(b, inside, [](Color p) { return near(p, rgb(0, 0, 0)); });
    if (c.enabled) {
      ASSERT_GT(ink.count, 0) << "the text is written";
    }
    const Spread left = spreadOf(b, inside, [](Color p) { return near(p, kLeft); });
    const Spread top = spreadOf(b, inside, [](Color p) { return near(p, kTop); });
    const Spread right = spreadOf(b, inside, [](Color p) { return near(p, kRight); });
    const Spread bottom = spreadOf(b, inside, [](Color p) { return near(p, kBottom); });
    EXPECT_EQ(left.count > 0, c.left);
    EXPECT_EQ(top.count > 0, c.top);
    EXPECT_EQ(right.count > 0, c.right);
    EXPECT_EQ(bottom.count > 0, c.bottom);
    // Each contour is the text one pixel out in its direction.
    if (c.left) {
      EXPECT_EQ(left.box.left, ink.box.left - 1);
    }
    if (c.top) {
      EXPECT_EQ(top.box.top, ink.box.top - 1);
    }
    if (c.right) {
      EXPECT_EQ(right.box.right, ink.box.right + 1);
    }
    if (c.bottom) {
      EXPECT_EQ(bottom.box.bottom, ink.box.bottom + 1);
    }
    edit.setParent(nullptr);
  }
}

TEST_F(SkinnedText, APanelShowsANewCaptionFontOrOwnColourAtOnce) {
  struct Case {
    const char* name;
    std::function<void(TsPanel&)> change;
  } cases[] = {
      {"caption", [](TsPanel& p) { p.setCaption("Changed at run time"); }},
      {"font",
       [](TsPanel& p) {
         Font f = p.font();
         f.height = 20;
         f.style |= fsBold;
         p.setFont(f);
       }},
      {"colour", [](TsPanel& p) { p.setColor(rgb(200, 40, 40)); }},
  };
  const Rect bounds{20, 20, 260, 80};
  // A panel with a caption and its own colour, shown, as `change` leaves it when given.
  auto panel = [&](const std::function<void(TsPanel&)>& change) -> TsPanel& {
    TsPanel& p = form->make<TsPanel>();
    p.SkinData.setCustomColor(true);
    p.setColor(rgb(40, 200, 40));
    p.setCaption("Tavra");
    if (change) change(p);
    p.setParent(form);
    p.setBoundsRect(bounds);
    driver.settle();
    return p;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TsPanel& changed = panel({});
    const Bitmap before = shot(changed);
    c.change(changed);
    driver.settle();
    const Bitmap after = shot(changed);
    changed.setParent(nullptr);
    TsPanel& fresh = panel(c.change);
    const Bitmap expected = shot(fresh);
    fresh.setParent(nullptr);
    EXPECT_FALSE(after == before) << "the change shows";
    EXPECT_TRUE(after == expected) << "as a panel made with it looks";
  }
}

}  // namespace
}  // namespace tavra::test
