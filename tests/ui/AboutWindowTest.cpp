// The About window: its controls, texts and links, how it is shown, brought to the front and
// hidden, the picture frames that never react, the links that open at the press, and the banner
// that plays while the window is open.
#include <gtest/gtest.h>

#include <filesystem>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "program/ContentPaths.h"
#include "viewer/MainWindow.h"
#include "about/AboutWindow.h"
#include "winsys/Shell.h"

namespace tavra::test {
namespace {

// The size of the text; word-wrapped at `wrapWidth` when it is given.
Size measured(const std::string& text, const Font& font, int wrapWidth = 0) {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font);
  Rect r{0, 0, wrapWidth, 0};
  unsigned flags = DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : 0u);
  c.drawText(text, r, flags | DT_CALCRECT);
  return r.size();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out(1);
  for (char ch : text) {
    if (ch == '\n') out.emplace_back();
    else out.back() += ch;
  }
  return out;
}

class AboutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startProgram(driver);
    ASSERT_TRUE(driver.advanceUntil([&] { return w().mainWindow->visible(); }, 20000, 50));
  }
  ProgramWindows& w() { return programWindows(); }
  AboutWindow& about() { return *w().aboutWindow; }
  Window* topWindow() { return driver.ws().topLevelWindows().back(); }
  Bitmap grab(const TControl& c) {
    Point origin = c.clientToScreen({0, 0});
    return driver.screenshot().copy(Rect::fromSize(origin.x, origin.y, c.width(), c.height()));
  }

  HeadlessDriver driver;
};

TEST_F(AboutWindowTest, WindowAndEveryControlAtItsPlace) {
  AboutWindow& f = about();
  EXPECT_EQ(f.caption(), "О программе");
  EXPECT_EQ(f.boundsRect(), Rect::fromSize(281, 161, 480, 427));
  EXPECT_EQ(f.borderStyle(), TFormBorderStyle::bsSizeable);
  EXPECT_EQ(f.borderIcons(), static_cast<unsigned>(biSystemMenu));
  EXPECT_EQ(f.window()->opacity(), 210);
  EXPECT_EQ(f.font().name, "MS Sans Serif");
  EXPECT_EQ(f.font().height, 11);

  // The banner panel across the top, with a single border, the player filling it.
  EXPECT_EQ(f.sPanel1->parent(), &f);
  EXPECT_EQ(f.sPanel1->boundsRect(), Rect::fromSize(0, 0, f.clientWidth(), 102));
  EXPECT_TRUE(f.sPanel1->window()->style() & WS_BORDER);
  EXPECT_EQ(f.sPanel1->SkinData.skinSection(), "PANEL");
  EXPECT_EQ(f.sf1->parent(), f.sPanel1);
  EXPECT_EQ(f.sf1->boundsRect(), f.sPanel1->clientRect());
  EXPECT_EQ(f.sf1->movie(), content::path(content::kBanner));
  EXPECT_TRUE(f.sf1->playing());
  EXPECT_TRUE(f.sf1->loop());

  // Every control's corner; the labels' sizes follow their text (below).
  struct Place {
    const char* name;
    TControl* control;
    Rect bounds;
    bool fixedSize;
  };
  for (const Place& p : {Place{"sLabelFX1", f.sLabelFX1, Rect::fromSize(8, 104, 432, 152), false},
                         Place{"sWebLabel1", f.sWebLabel1, Rect::fromSize(8, 216, 114, 16), false},
                         Place{"sWebLabel2", f.sWebLabel2, Rect::fromSize(8, 256, 119, 16), false},
                         Place{"sLabelFX2", f.sLabelFX2, Rect::fromSize(24, 304, 415, 72), false},
                         Place{"sWebLabel3", f.sWebLabel3, Rect::fromSize(224, 360, 109, 16), false},
                         Place{"sSpeedButton1", f.sSpeedButton1, Rect::fromSize(160, 160, 145, 145), true},
                         Place{"sSpeedButton2", f.sSpeedButton2, Rect::fromSize(312, 160, 145, 145), true}}) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.control->name(), p.name);
    EXPECT_EQ(p.control->parent(), &f);
    EXPECT_EQ(p.control->boundsRect().topLeft(), p.bounds.topLeft());
    if (p.fixedSize) {
      EXPECT_EQ(p.control->boundsRect().size(), p.bounds.size());
    }
  }
  // The effect labels: their text wrapped at their width, and room for the shadow (blur 4,
  // distance 1: 8 pixels more each way).
  for (TsLabelFX* label : {f.sLabelFX1, f.sLabelFX2}) {
    Size text = measured(label->caption(), label->font(), label == f.sLabelFX1 ? 432 : 415);
    EXPECT_EQ(label->boundsRect().size(), (Size{text.width + 8, text.height + 8})) << label->name();
  }
  // The links are as large as their text.
  for (TsWebLabel* link : {f.sWebLabel1, f.sWebLabel2, f.sWebLabel3}) {
    EXPECT_EQ(link->boundsRect().size(), measured(link->caption(), link->normalFont())) << link->name();
  }
}

TEST_F(AboutWindowTest, CreditsToolsAndLinks) {
  AboutWindow& f = about();
  // Credits: six lines, the third and fifth empty, the authors on the fourth and sixth.
  std::vector<std::string> credits = lines(f.sLabelFX1->caption());
  ASSERT_EQ(credits.size(), 6u);
  EXPECT_NE(credits[0].find("четвертого курса"), std::string::npos);
  EXPECT_NE(credits[0].find("Математика"), std::string::npos);
  EXPECT_EQ(credits[2], "");
  EXPECT_EQ(credits[4], "");
  EXPECT_FALSE(credits[3].empty());
  EXPECT_FALSE(credits[5].empty());
  // Tools: the sentence naming them, then the look's sentence exactly.
  std::vector<std::string> tools = lines(f.sLabelFX2->caption());
  ASSERT_EQ(tools.size(), 2u);
  for (const char* tool : {"C++20", "CMake", "cairo", "pango", "litehtml", "SDL2", "zlib", "libpng", "libjpeg", "и др."}) {
    EXPECT_NE(tools[0].find(tool), std::string::npos) << tool;
  }
  // The banner's format is named last before "и др.".
  EXPECT_NE(tools[0].find("Flash и др."), std::string::npos) << tools[0];
  EXPECT_EQ(tools[1], "Внешний вид был изменен при помощи дополнительных компонентов CorvexKit");

  for (TsLabelFX* label : {f.sLabelFX1, f.sLabelFX2}) {
    SCOPED_TRACE(label->name());
    EXPECT_EQ(label->font().name, "Verdana");
    EXPECT_EQ(label->font().charset, FontCharset::Russian);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->kind().kindType(), TsKindType::ktSkin);
    EXPECT_EQ(label->kind().color(), clWhite);
    EXPECT_EQ(label->shadow().mode(), TsShadowMode::smCustom);
    EXPECT_EQ(label->shadow().color(), clWhite);
    EXPECT_EQ(label->shadow().blurCount(), 4);
    EXPECT_EQ(label->shadow().distance(), 1);
  }
  EXPECT_EQ(f.sLabelFX1->font().height, 15);
  EXPECT_EQ(f.sLabelFX2->font().height, 13);

  struct Link {
    TsWebLabel* label;
    std::string url;
    std::string hint;
  };
  const std::string hint = "Чтобы отправить письмо авторам нажмите ссылку";
  for (const Link& l : {Link{f.sWebLabel1, "mailto:" + f.sWebLabel1->caption(), hint},
                        Link{f.sWebLabel2, "mailto:" + f.sWebLabel2->caption(), hint}, Link{f.sWebLabel3, about::kMakerUrl, ""}}) {
    SCOPED_TRACE(l.label->name());
    EXPECT_EQ(l.label->url(), l.url);
    EXPECT_EQ(l.label->hint(), l.hint);
    EXPECT_EQ(l.label->showHint(), !l.hint.empty());
    EXPECT_EQ(l.label->normalFont(), (Font{"MS Sans Serif", 13, fsBold, rgb(0, 128, 0), FontCharset::Russian}));
    EXPECT_EQ(l.label->hoverFont(), (Font{"MS Sans Serif", 11, fsNone, clWindowText, FontCharset::Russian}));
    EXPECT_EQ(l.label->layout(), TTextLayout::tlCenter);
    EXPECT_TRUE(l.label->transparent());
  }
  // Placeholder addresses, plainly so.
  EXPECT_EQ(f.sWebLabel1->caption(), "ivanov@example.org");
  EXPECT_EQ(f.sWebLabel2->caption(), "petrov@example.org");
  EXPECT_NE(f.sWebLabel3->url().find("example.com"), std::string::npos);
  EXPECT_NE(f.sWebLabel3->caption().find("example.com"), std::string::npos);
}

TEST_F(AboutWindowTest, PictureFramesShowTheirPicturesAndNeverReact) {
  AboutWindow& f = about();
  handover::openAbout();
  driver.settle();
  for (TsSpeedButton* frame : {f.sSpeedButton1, f.sSpeedButton2}) {
    SCOPED_TRACE(frame->name());
    EXPECT_EQ(frame->glyph().size(), (Size{128, 128}));
    EXPECT_TRUE(frame->flat());
    EXPECT_FALSE(frame->enabled());
    EXPECT_EQ(frame->SkinData.skinSection(), "SPEEDBUTTON");
    int clicks = 0;
    frame->OnClick = [&](TComponent&) { ++clicks; };
    Bitmap before = grab(*frame);
    EXPECT_GT(before.width(), 0);
    driver.moveTo(driver.centreOf(*frame));
    Bitmap hovered = grab(*frame);
    driver.click(*frame);
    driver.doubleClick(*frame);
    Bitmap clicked = grab(*frame);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(frame->state(), TButtonState::bsDisabled);
    EXPECT_TRUE(hovered == before) << "no look under the pointer";
    EXPECT_TRUE(clicked == before) << "no pressed look";
  }
  EXPECT_TRUE(about().visible());
}

TEST_F(AboutWindowTest, MenuCommandShowsItAndBringsItToTheFront) {
  AboutWindow& f = about();
  EXPECT_FALSE(f.visible());
  handover::openAbout();
  driver.settle();
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(topWindow(), f.window());
  EXPECT_TRUE(w().mainWindow->visible()) << "not modal: the main window stays";
  // The main window comes to the front; the command brings the About window back over it and
  // changes nothing else.
  w().mainWindow->Show();
  driver.settle();
  EXPECT_EQ(topWindow(), w().mainWindow->window());
  Rect bounds = f.boundsRect();
  handover::openAbout();
  driver.settle();
  EXPECT_EQ(topWindow(), f.window());
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(f.boundsRect(), bounds);
  EXPECT_TRUE(w().mainWindow->visible());
  EXPECT_EQ(programState(), ProgramState::Reading);
}

TEST_F(AboutWindowTest, CloseBoxHidesItAndTheCommandShowsItAgain) {
  AboutWindow& f = about();
  handover::openAbout();
  driver.settle();
  driver.clickCloseBox(f);
  EXPECT_FALSE(f.visible());
  EXPECT_TRUE(w().mainWindow->visible());
  EXPECT_FALSE(driver.ended());
  handover::openAbout();
  driver.settle();
  EXPECT_TRUE(f.visible());
}

TEST_F(AboutWindowTest, LinksOpenAtThePress) {
  AboutWindow& f = about();
  handover::openAbout();
  driver.settle();
  std::vector<std::string> opened;
  ScopedShellOpenHandler shell([&](const std::string& url) {
    opened.push_back(url);
    return true;
  });
  for (TsWebLabel* link : {f.sWebLabel1, f.sWebLabel2, f.sWebLabel3}) {
    SCOPED_TRACE(link->name());
    opened.clear();
    Point p = link->clientToScreen({2, link->height() / 2});
    driver.moveTo(p);
    driver.mouseDown(p);
    EXPECT_EQ(opened, std::vector<std::string>{link->url()}) << "at the press";
    driver.mouseUp(p);
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_TRUE(link->hovered());
    driver.moveTo({5, 740});
    EXPECT_FALSE(link->hovered());
  }
  EXPECT_EQ(f.sWebLabel1->url(), "mailto:ivanov@example.org");
  EXPECT_TRUE(f.visible());
}

TEST_F(AboutWindowTest, LinksClickedUnderTheDriverAreRecordedNotOpened) {
  AboutWindow& f = about();
  handover::openAbout();
  driver.settle();
  std::vector<std::string> expected;
  for (TsWebLabel* link : {f.sWebLabel1, f.sWebLabel2, f.sWebLabel3}) {
    driver.clickAt(*link, {2, link->height() / 2});
    expected.push_back(link->url());
  }
  EXPECT_EQ(driver.openedUrls, expected);
}

TEST_F(AboutWindowTest, BannerPlaysWhileTheWindowIsOpen) {
  const std::string banner = std::string(TAVRA_BIN_DIR) + "/flash.swf";
  ASSERT_TRUE(std::filesystem::exists(banner)) << "the build writes the banner";
  AboutWindow& f = about();
  f.sf1->setMovie(banner);
  ASSERT_TRUE(f.sf1->player().hasMovie()) << f.sf1->player().loadError();
  EXPECT_FALSE(f.sf1->ticking()) << "hidden: nothing plays";
  handover::openAbout();
  driver.settle();
  EXPECT_TRUE(f.sf1->ticking());
  Bitmap first = grab(*f.sf1);
  driver.advance(1000);
  EXPECT_GT(f.sf1->player().currentFrame(), 1);
  EXPECT_FALSE(grab(*f.sf1) == first) << "the motifs move";
  driver.clickCloseBox(f);
  driver.advance(200);
  EXPECT_FALSE(f.sf1->ticking()) << "a closed window's banner stops";
}

TEST_F(AboutWindowTest, WithoutItsMovieTheBannerShowsItsBackground) {
  // The test executable's folder has no banner beside it.
  AboutWindow& f = about();
  ASSERT_FALSE(std::filesystem::exists(f.sf1->movie()));
  EXPECT_FALSE(f.sf1->player().hasMovie());
  handover::openAbout();
  driver.advance(500);
  EXPECT_FALSE(f.sf1->ticking());
  EXPECT_TRUE(f.visible());
}

}  // namespace
}  // namespace tavra::test
