// The web label in a window: its fonts after loading, the hover font while the pointer is over
// it (and the size that follows), and the desktop's "open" action at the press of the left
// button, with the hand pointer over it.
#include <gtest/gtest.h>

#include "framework/core/Form.h"
#include "skin/labels/sLabel.h"
#include "skin_paint/LabelTestSupport.h"
#include "winsys/Shell.h"

namespace tavra::test {
namespace {

const Font kNormal{"MS Sans Serif", 13, fsBold, rgb(0, 128, 0), FontCharset::Russian};
const Font kLargerHover{"MS Sans Serif", 18, fsNone, clWindowText, FontCharset::Russian};
const Font kSmallerHover{"MS Sans Serif", 11, fsNone, clWindowText, FontCharset::Russian};
const std::string kAddress = "author@example.org";

Size measured(const std::string& text, const Font& font) {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font);
  Rect r{0, 0, 0, 0};
  c.drawText(text, r, DT_EXPANDTABS | DT_CALCRECT);
  return r.size();
}

class LinkForm : public TForm {
 public:
  LinkForm(TComponent* owner, Font hover) : TForm(owner) {
    setBounds(100, 100, 400, 300);
    link = &make<TsWebLabel>();
    link->setParent(this);
    link->setBounds(20, 30, 10, 10);
    link->setFont(kNormal);
    link->setHoverFont(hover);
    link->setCaption(kAddress);
    link->setUrl("mailto:" + kAddress);
  }
  TsWebLabel* link = nullptr;
};

class WebLabelTest : public LabelTest {
 protected:
  LinkForm& open(const Font& hover) {
    auto form = std::make_unique<LinkForm>(&driver.app(), hover);
    LinkForm& f = *form;
    driver.app().adopt(std::move(form));
    f.finishCreation();
    f.Show();
    driver.settle();
    return f;
  }
  Point inside(const TControl& c) { return c.clientToScreen({2, 2}); }
  Point outside(const TControl& c) { return c.clientToScreen({c.width() + 40, c.height() + 40}); }
};

TEST_F(WebLabelTest, LoadsWithItsNormalFontAndSize) {
  TsWebLabel& link = *open(kLargerHover).link;
  EXPECT_EQ(link.font(), kNormal);
  EXPECT_EQ(link.normalFont(), kNormal);
  EXPECT_EQ(link.boundsRect(), Rect::fromSize(20, 30, measured(kAddress, kNormal).width, measured(kAddress, kNormal).height));
  EXPECT_TRUE(link.transparent());
  EXPECT_EQ(link.showMode(), TsWindowShowMode::soDefault);
  EXPECT_FALSE(link.hovered());
}

TEST_F(WebLabelTest, HoverFontWhileThePointerIsOverIt) {
  TsWebLabel& link = *open(kLargerHover).link;
  int enters = 0, leaves = 0;
  link.OnMouseEnter = [&](TComponent&) { ++enters; };
  link.OnMouseLeave = [&](TComponent&) { ++leaves; };
  driver.moveTo(inside(link));
  EXPECT_TRUE(link.hovered());
  EXPECT_EQ(link.font(), kLargerHover);
  EXPECT_EQ(link.boundsRect().size(), measured(kAddress, kLargerHover)) << "an auto-sized label follows the font";
  EXPECT_EQ(link.normalFont(), kNormal);
  driver.moveTo(outside(link));
  EXPECT_FALSE(link.hovered());
  EXPECT_EQ(link.font(), kNormal);
  EXPECT_EQ(link.boundsRect().size(), measured(kAddress, kNormal));
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
}

TEST_F(WebLabelTest, PointerIsAHandOverTheLinkAndAnArrowBesideIt) {
  TsWebLabel& link = *open(kLargerHover).link;
  EXPECT_EQ(link.cursor(), crHandPoint);
  driver.moveTo(inside(link));
  EXPECT_EQ(driver.backend().cursorShape(), CursorShape::HandPoint);
  driver.moveTo(outside(link));
  EXPECT_EQ(driver.backend().cursorShape(), CursorShape::Arrow);
}

TEST_F(WebLabelTest, SmallerHoverFontKeepsTheLabelUnderThePointer) {
  TsWebLabel& link = *open(kSmallerHover).link;
  Rect normal = link.boundsRect();
  int enters = 0;
  link.OnMouseEnter = [&](TComponent&) { ++enters; };
  // The right end of the link: outside what the smaller text would need.
  Point end = link.clientToScreen({link.width() - 2, link.height() - 2});
  ASSERT_GT(link.width() - 2, measured(kAddress, kSmallerHover).width);
  driver.moveTo(end);
  for (int i = 0; i < 5; ++i) driver.app().updateMouseControl();  // the loop's idle checks
  EXPECT_TRUE(link.hovered());
  EXPECT_EQ(link.font(), kSmallerHover);
  EXPECT_EQ(link.boundsRect(), normal);
  EXPECT_EQ(enters, 1);
  driver.moveTo(outside(link));
  EXPECT_EQ(link.font(), kNormal);
  EXPECT_EQ(link.boundsRect(), normal);
}

TEST_F(WebLabelTest, FixedSizeLabelKeepsItsSizeOnHover) {
  TsWebLabel& link = *open(kLargerHover).link;
  link.setAutoSize(false);
  link.setBounds(20, 30, 150, 20);
  driver.moveTo(inside(link));
  EXPECT_EQ(link.font(), kLargerHover);
  EXPECT_EQ(link.boundsRect(), Rect::fromSize(20, 30, 150, 20));
}

TEST_F(WebLabelTest, PressWithAUrlOpensItOnce) {
  std::vector<std::string> opened;
  ScopedShellOpenHandler shell([&](const std::string& url) {
    opened.push_back(url);
    return true;
  });
  TsWebLabel& link = *open(kLargerHover).link;
  int downs = 0;
  link.OnMouseDown = [&](TComponent&, TMouseButton, TShiftState, int, int) { ++downs; };
  driver.mouseDown(inside(link));
  EXPECT_EQ(opened, std::vector<std::string>{"mailto:" + kAddress}) << "at the press, not the release";
  EXPECT_EQ(downs, 1);
  driver.mouseUp(inside(link));
  EXPECT_EQ(opened.size(), 1u);
  // The right button opens nothing.
  driver.click(inside(link), MouseButton::Right);
  EXPECT_EQ(opened.size(), 1u);
  // A double click is one press and a double-click message: one more opening, not two.
  driver.advance(1000);
  driver.doubleClick(inside(link));
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(WebLabelTest, PressWithoutAUrlOpensNothing) {
  int calls = 0;
  ScopedShellOpenHandler shell([&](const std::string&) {
    ++calls;
    return true;
  });
  TsWebLabel& link = *open(kLargerHover).link;
  link.setUrl("");
  int downs = 0;
  link.OnMouseDown = [&](TComponent&, TMouseButton, TShiftState, int, int) { ++downs; };
  driver.click(inside(link));
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(downs, 1) << "the normal mouse events still happen";
}

TEST_F(WebLabelTest, SettingTheFontSetsNormalAndWorkingFonts) {
  TsWebLabel& link = *open(kLargerHover).link;
  Font other = kNormal;
  other.height = 20;
  link.setFont(other);
  EXPECT_EQ(link.normalFont(), other);
  EXPECT_EQ(link.font(), other);
  EXPECT_EQ(link.boundsRect().size(), measured(kAddress, other));
}

}  // namespace
}  // namespace tavra::test
