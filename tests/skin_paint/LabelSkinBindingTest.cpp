// The skinned labels ask the manager's skin through their binding: its sections, its first
// shadow and its usable flag, and paint their section over what the parent really shows.
#include <memory>

#include "LabelTestSupport.h"
#include "framework/core/Form.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/labels/sLabel.h"

namespace tavra::test {
namespace {

std::vector<std::uint8_t> package(const std::string& options) {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view(options));
  return writer.build();
}

const std::string kGlobalInfo =
    "[GLOBALINFO]\nVERSION=6.14\nSHADOW1COLOR=128\nSHADOW1BLUR=4\nSHADOW1OFFSET=2\nFONTCOLOR=0\nTCLEFT=16711680\n";
const std::string kLabelSkin = kGlobalInfo +
                               "[OPAQUE]\nCOLOR=255\nFONTCOLOR=65280\nTRANSPARENCY=0\nGIVEOWNFONT=TRUE\n"
                               "[HALF]\nCOLOR=0\nTRANSPARENCY=50\n"
                               "[CLEAR]\nCOLOR=255\nTRANSPARENCY=100\n";
// The same sections in another order, OPAQUE now green.
const std::string kReorderedSkin = kGlobalInfo +
                                   "[CLEAR]\nCOLOR=255\nTRANSPARENCY=100\n"
                                   "[OPAQUE]\nCOLOR=65280\nFONTCOLOR=65280\nTRANSPARENCY=0\n";

const Font kFont{"MS Sans Serif", 13, fsNone, rgb(7, 7, 7), FontCharset::Russian};

class LabelSkinBindingTest : public LabelTest {
 protected:
  TsSkinManager& skinnedManager() {
    TsSkinManager& sm = driver.app().make<TsSkinManager>();
    for (auto [name, options] : {std::pair{"Labels (internal)", &kLabelSkin}, std::pair{"Reordered (internal)", &kReorderedSkin}}) {
      TsStoredSkin& skin = sm.internalSkins().add();
      skin.Name = name;
      skin.Data = package(*options);
    }
    sm.setSkinName("Labels (internal)");
    return sm;
  }
  // A label without text, so that only its section shows, on a parent that answers as a
  // skinned control with the colour (200, 100, 0).
  TsLabel& makeLabel(TWinControl& parent, Rect bounds) {
    auto& label = parent.make<TsLabel>();
    label.setParent(&parent);
    label.setAutoSize(false);
    label.setCaption("");
    label.setFont(kFont);
    label.setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
    return label;
  }
  SkinnedParent& makeParent() {
    TForm& form = driver.app().CreateForm<TForm>();
    auto& parent = form.make<SkinnedParent>();
    parent.setParent(&form);
    parent.setBounds(0, 0, 20, 20);
    parent.skinned = true;
    parent.colorAnswer = rgb(200, 100, 0);
    return parent;
  }
  // Paints the label into a 4 × 4 bitmap of (1, 2, 3) clipped to its top two rows.
  static std::pair<Color, Color> paintTopRows(TsLabel& label) {
    Bitmap out = solid(4, 4, rgb(1, 2, 3));
    Canvas c(out);
    c.intersectClip(Rect{0, 0, 4, 2});
    label.Perform(WM_PAINT, reinterpret_cast<WParam>(&c), 0);
    return {out.colorAt(0, 0), out.colorAt(0, 3)};
  }
};

TEST_F(LabelSkinBindingTest, WithoutAManagerNothingIsAsked) {
  ASSERT_EQ(TsSkinManager::DefaultManager(), nullptr);
  auto& label = makeLabel(makeParent(), Rect{0, 0, 4, 2});
  label.setSkinSection("OPAQUE");
  EXPECT_EQ(label.SkinData.manager(), nullptr);
  EXPECT_EQ(sendSkinCommand(label, SKC_GETSECTIONINDEX), 0);
  EXPECT_EQ(label.paintFont().color, kFont.color);
  EXPECT_EQ(paintTopRows(label), std::pair(rgb(1, 2, 3), rgb(1, 2, 3)));
}

TEST_F(LabelSkinBindingTest, AnswersComeFromTheDefaultManagersSkin) {
  TsSkinManager& sm = skinnedManager();
  SkinnedParent& parent = makeParent();
  auto& label = makeLabel(parent, Rect{0, 0, 4, 2});
  label.setSkinSection("opaque");
  EXPECT_EQ(label.SkinData.manager(), &sm);
  const int opaque = sm.model().FindSection("OPAQUE");
  ASSERT_GT(opaque, 0);
  EXPECT_EQ(sendSkinCommand(label, SKC_GETSECTIONINDEX), opaque + 1);
  EXPECT_EQ(label.paintFont().color, rgb(0, 255, 0)) << "its own section's FONTCOLOR";

  // The parent's section gives its font colour to a label without one of its own.
  auto& plain = makeLabel(parent, Rect{0, 4, 4, 6});
  parent.sectionIndex = opaque;
  EXPECT_EQ(plain.paintFont().color, rgb(0, 255, 0));
  parent.sectionIndex = sm.model().FindSection("HALF");
  EXPECT_EQ(plain.paintFont().color, rgb(0, 0, 0)) << "HALF keeps its font: GLOBALINFO's";

  auto& fx = parent.make<TsLabelFX>();
  fx.setParent(&parent);
  const TsLabelFX::ShadowParams own{rgb(9, 9, 9), 7, 3};
  fx.shadow().setColor(own.color);
  fx.shadow().setBlurCount(own.blurCount);
  fx.shadow().setDistance(own.distance);
  auto shadow = fx.shadowParams();
  EXPECT_EQ(shadow.color, rgb(128, 0, 0));
  EXPECT_EQ(shadow.blurCount, 4);
  EXPECT_EQ(shadow.distance, 2);
  EXPECT_EQ(fx.textColor(), rgb(0, 0, 255)) << "GLOBALINFO's TCLEFT";

  sm.setActive(false);
  EXPECT_EQ(sendSkinCommand(label, SKC_GETSECTIONINDEX), 0);
  EXPECT_EQ(label.paintFont().color, kFont.color);
  EXPECT_EQ(plain.paintFont().color, kFont.color);
  shadow = fx.shadowParams();
  EXPECT_EQ(shadow.color, own.color);
  EXPECT_EQ(shadow.blurCount, own.blurCount);
  EXPECT_EQ(fx.textColor(), clWhite) << "the kind's own colour";
}

TEST_F(LabelSkinBindingTest, SectionIsPaintedOverTheParentsColour) {
  skinnedManager();
  auto& label = makeLabel(makeParent(), Rect{0, 0, 4, 2});
  auto paint = [&](const char* section) {
    label.setSkinSection(section);
    return paintTopRows(label);
  };
  EXPECT_EQ(paint("OPAQUE"), std::pair(rgb(255, 0, 0), rgb(1, 2, 3)));
  // Half transparent over the parent's colour: (200 × 127 + 0 × 128 + 127) shr 8 = 99.
  EXPECT_EQ(paint("HALF"), std::pair(rgb(99, 50, 0), rgb(1, 2, 3)));
  // Fully transparent: the parent's background, here its colour.
  EXPECT_EQ(paint("CLEAR"), std::pair(rgb(200, 100, 0), rgb(1, 2, 3)));
}

TEST_F(LabelSkinBindingTest, SectionIsPaintedOverTheParentsOwnPicture) {
  skinnedManager();
  SkinnedParent& parent = makeParent();
  // The parent's composed look: every pixel different.
  Bitmap look(20, 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) look.setPixel(x, y, pixelFromColor(rgb(x * 10, y * 10, 50)));
  }
  parent.background = &look;
  auto& label = makeLabel(parent, Rect{3, 5, 7, 7});
  auto paint = [&](const char* section, Point at) {
    label.setSkinSection(section);
    Bitmap out = solid(4, 2, rgb(1, 2, 3));
    Canvas c(out);
    label.Perform(WM_PAINT, reinterpret_cast<WParam>(&c), 0);
    return out.colorAt(at.x, at.y);
  };
  // What lies under the label's pixel (x, y) is the parent's pixel (3 + x, 5 + y).
  EXPECT_EQ(paint("CLEAR", {0, 0}), rgb(30, 50, 50));
  EXPECT_EQ(paint("CLEAR", {3, 1}), rgb(60, 60, 50));
  // Half of black over it: (c × 127 + 127) shr 8.
  EXPECT_EQ(paint("HALF", {3, 1}), rgb((60 * 127 + 127) >> 8, (60 * 127 + 127) >> 8, (50 * 127 + 127) >> 8));
  EXPECT_EQ(paint("OPAQUE", {3, 1}), rgb(255, 0, 0));
}

TEST_F(LabelSkinBindingTest, NewModelWithoutANoticeIsFollowedAtTheNextPaint) {
  TsSkinManager& sm = skinnedManager();
  // A parent on no form: the manager's notices do not reach the label.
  SkinnedParent parent(nullptr);
  parent.skinned = true;
  parent.colorAnswer = rgb(200, 100, 0);
  auto& label = makeLabel(parent, Rect{0, 0, 4, 2});
  label.setSkinSection("OPAQUE");
  EXPECT_EQ(paintTopRows(label).first, rgb(255, 0, 0));
  // In the new model the label's old index names CLEAR.
  sm.setSkinName("Reordered (internal)");
  EXPECT_EQ(paintTopRows(label).first, rgb(0, 255, 0));
  EXPECT_EQ(label.paintFont().color, rgb(0, 255, 0));
}

}  // namespace
}  // namespace tavra::test
