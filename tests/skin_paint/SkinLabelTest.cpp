// The skinned label family's common behaviour: the skin text colour rule, the section painted
// behind the text, the disabled text under a skin, the end of a skin, font changes and the
// mouse events.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "framework/core/Form.h"
#include "gfx/PixelTestUtil.h"
#include "skin/labels/sLabel.h"
#include "skin_paint/LabelTestSupport.h"

namespace tavra::test {
namespace {

const Font kFont{"Verdana", 20, fsBold, rgb(5, 5, 5), FontCharset::Russian};
constexpr Color kGlobal = rgb(0, 0, 200), kPanel = rgb(0, 150, 0), kForm = rgb(150, 0, 0), kBare = rgb(90, 90, 0);

class SkinLabelTest : public LabelTest {
 protected:
  void SetUp() override {
    skin.sections = {{"GLOBALINFO", {.fontColor = kGlobal}},
                     {"PANEL", {.fontColor = kPanel, .transparency = 0, .giveOwnFont = true}},
                     {"FORM", {.fontColor = kForm, .giveOwnFont = true}},
                     {"BARE", {.fontColor = kBare, .giveOwnFont = false}}};
    parent.setParent(&grandparent);
    parent.setBounds(0, 0, 300, 100);
  }
  template <typename L>
  std::unique_ptr<L> makeLabel() {
    auto l = std::make_unique<L>(nullptr);
    l->setParent(&parent);
    l->setFont(kFont);
    l->setCaption("Текст");
    return l;
  }
  Bitmap paint(TControl& l) { return paintOver(l, solid(l.width(), l.height(), clWhite)); }

  FakeSkin skin;
  SkinnedParent grandparent{nullptr};
  SkinnedParent parent{nullptr};
};

TEST_F(SkinLabelTest, TextColourComesFromTheSkinWhereItSaysSo) {
  struct Case {
    const char* name;
    bool registered;
    bool active;
    int parentSection;      // -1: the parent is not skinned
    int parentTransparency;
    int grandparentSection;
    bool keepGlobalInfo;
    Color expected;
  };
  const Case cases[] = {
      {"no skin: unchanged", false, true, 1, 0, -1, true, kFont.color},
      {"skin not active: unchanged", true, false, 1, 0, -1, true, kFont.color},
      {"parent not skinned: GLOBALINFO's colour", true, true, -1, 0, -1, true, kGlobal},
      {"parent section gives its font", true, true, 1, 0, -1, true, kPanel},
      {"parent section keeps its font: GLOBALINFO's", true, true, 3, 0, -1, true, kGlobal},
      {"half transparent parent still counts", true, true, 1, 50, 2, true, kPanel},
      {"see-through parent: the grandparent's section", true, true, 1, 60, 2, true, kForm},
      {"see-through parent, grandparent not skinned: none, GLOBALINFO's", true, true, 1, 60, -1, true, kGlobal},
      {"no GLOBALINFO and nothing else: unchanged", true, true, -1, 0, -1, false, kFont.color},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    FakeSkin s = skin;
    s.active = k.active;
    s.sections[1].values.transparency = k.parentTransparency;
    if (!k.keepGlobalInfo) s.sections[0].name = "OTHER";
    std::optional<ScopedSkin> scoped;
    if (k.registered) scoped.emplace(s);
    parent.sectionIndex = k.parentSection;
    grandparent.sectionIndex = k.grandparentSection;
    auto label = makeLabel<TsLabel>();
    Bitmap shown = paint(*label);
    EXPECT_EQ(label->paintFont().color, k.expected);
    EXPECT_EQ(label->font().color, kFont.color) << "painting leaves the font as it was";
    EXPECT_GT(countColor(shown, k.expected), 10) << "the text is drawn in it";
  }
}

TEST_F(SkinLabelTest, LabelThatDoesNotUseSkinColourKeepsItsFont) {
  ScopedSkin scoped(skin);
  parent.sectionIndex = 1;
  auto label = makeLabel<TsLabel>();
  label->setUseSkinColor(false);
  paint(*label);
  EXPECT_EQ(label->paintFont().color, kFont.color);
  label->setUseSkinColor(true);
  paint(*label);
  EXPECT_EQ(label->paintFont().color, kPanel);
}

TEST_F(SkinLabelTest, NamedSectionIsPaintedBehindTheText) {
  const Color fill = rgb(10, 20, 30);  // the FORM section's COLOR
  struct Case {
    const char* section;
    bool managerOn;
    bool paints;
    Color font;
  };
  for (Case k : {Case{"FORM", true, true, kForm}, Case{"GLOBALINFO", true, false, kGlobal}, Case{"MISSING", true, false, kGlobal},
                 Case{"FORM", false, false, kFont.color}}) {
    SCOPED_TRACE(k.section);
    ScopedSkin scoped(skin);
    // A manager switched off has no skin left: nothing painted, the font keeps its own colour.
    if (!k.managerOn) scoped.manager().setActive(false);
    auto label = makeLabel<TsLabel>();
    label->setSkinSection(k.section);
    Bitmap shown = paint(*label);
    EXPECT_EQ(label->paintFont().color, k.font);
    EXPECT_GT(countColor(shown, k.font), 10) << "the text is drawn in the section's font colour";
    const int r = label->width() - 1, b = label->height() - 1;
    for (Point p : {Point{0, 0}, Point{r, 0}, Point{0, b}, Point{r, b}}) {
      // The section covers the label's whole client rectangle, under the text.
      EXPECT_EQ(shown.colorAt(p.x, p.y), k.paints ? fill : clWhite) << p.x << "," << p.y;
    }
  }
}

TEST_F(SkinLabelTest, DisabledTextUnderASkinFadesIntoTheParentColour) {
  skin.sections[0].values.fontColor = rgb(0, 0, 250);
  struct Case {
    const char* name;
    bool skinnedParent;
    Color expected;  // 0.4 × font + 0.6 × parent background, rounded
  };
  parent.setColor(rgb(200, 100, 0));
  parent.colorAnswer = rgb(10, 20, 30);
  for (Case k : {Case{"plain parent: its Color", false, rgb(120, 60, 100)}, Case{"skinned parent: its answer", true, rgb(6, 12, 118)}}) {
    SCOPED_TRACE(k.name);
    ScopedSkin scoped(skin);
    parent.skinned = k.skinnedParent;
    auto label = makeLabel<TsLabel>();
    label->setEnabled(false);
    Bitmap shown = paint(*label);
    EXPECT_GT(countColor(shown, k.expected), 10);
    EXPECT_EQ(countColor(shown, rgb(0, 0, 250)), 0);
    EXPECT_EQ(countColor(shown, rgb(128, 128, 128)), 0) << "not the platform's embossed look";
  }
  // Without a skin a disabled label looks as the platform's does.
  auto label = makeLabel<TsLabel>();
  label->setEnabled(false);
  Bitmap shown = paintOver(*label, solid(label->width(), label->height(), rgb(212, 208, 200)));
  EXPECT_GT(countColor(shown, rgb(128, 128, 128)), 10);
  EXPECT_GT(countColor(shown, clWhite), 10);
}

TEST_F(SkinLabelTest, EndOfTheDefaultSkinGivesBackTheWindowTextColour) {
  // On a form, so that the manager's notices reach the labels.
  TForm& form = driver.app().CreateForm<TForm>();
  grandparent.setParent(&form);
  ScopedSkin scoped(skin);
  auto removeSkin = [&](TControl& l, LParam manager) { l.Perform(SM_SKINCMD, skinCommandWParam(SKC_REMOVESKIN), manager); };
  auto label = makeLabel<TsLabel>();
  auto keeps = makeLabel<TsLabel>();
  keeps->setUseSkinColor(false);
  auto fx = makeLabel<TsLabelFX>();
  removeSkin(*label, reinterpret_cast<LParam>(&parent));
  EXPECT_EQ(label->font().color, kFont.color) << "another manager's skin";
  label->setSkinSection("MISSING");
  EXPECT_EQ(label->font().color, kFont.color) << "a section the skin lacks is no end of the skin";
  removeSkin(*label, scoped.param());
  EXPECT_EQ(label->font().color, kFont.color) << "the skin is still in use";

  scoped.manager().setActive(false);
  EXPECT_EQ(label->font().color, clWindowText);
  EXPECT_EQ(keeps->font().color, kFont.color);
  EXPECT_EQ(fx->font().color, clWindowText);

  // With the skin off, naming a section leaves a font set since as it is.
  label->setFont(kFont);
  label->setSkinSection("FORM");
  EXPECT_EQ(label->font().color, kFont.color);
  grandparent.setParent(nullptr);
}

TEST_F(SkinLabelTest, FontChangeRemeasuresAnAutoSizedLabel) {
  auto label = makeLabel<TsLabel>();
  int before = label->width();
  Font bigger = kFont;
  bigger.height = 30;
  label->setFont(bigger);
  EXPECT_GT(label->width(), before);
  label->setAutoSize(false);
  label->setFont(kFont);
  EXPECT_GT(label->width(), before) << "a fixed-size label keeps its size";
  // Painting in the skin's colour changes neither the font nor the size.
  ScopedSkin scoped(skin);
  label->setAutoSize(true);
  int width = label->width();
  paint(*label);
  EXPECT_EQ(label->paintFont().color, kGlobal);
  EXPECT_EQ(label->font(), kFont);
  EXPECT_EQ(label->width(), width);
}

TEST_F(SkinLabelTest, MouseEnterEventComesFirstAndLeaveEventLast) {
  auto label = makeLabel<TsLabel>();
  std::vector<std::string> seen;
  parent.onMessage = [&](const TMessage& m) {
    if (m.Msg == CM_MOUSEENTER) seen.push_back("parent told of enter");
    if (m.Msg == CM_MOUSELEAVE) seen.push_back("parent told of leave");
  };
  label->OnMouseEnter = [&](TComponent&) { seen.push_back("OnMouseEnter"); };
  label->OnMouseLeave = [&](TComponent&) { seen.push_back("OnMouseLeave"); };
  label->Perform(CM_MOUSEENTER);
  label->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(seen, (std::vector<std::string>{"OnMouseEnter", "parent told of enter", "parent told of leave", "OnMouseLeave"}));
}

TEST_F(SkinLabelTest, SkinSectionSetterAndDefaults) {
  auto label = makeLabel<TsLabel>();
  EXPECT_TRUE(label->transparent());
  EXPECT_TRUE(label->useSkinColor());
  EXPECT_EQ(label->skinSection(), "");
  label->setSkinSection("PANEL");
  EXPECT_EQ(label->skinSection(), "PANEL");
  // Written the way the other skinned controls name their section, stored upper-case.
  label->SkinData.setSkinSection("button_huge");
  EXPECT_EQ(label->skinSection(), "BUTTON_HUGE");
  EXPECT_EQ(label->SkinData.skinSection(), "BUTTON_HUGE");
}

class RecordingBoundLabel : public EditLabelOwner {
 public:
  void editLabelDestroyed(TsEditLabel& label) override { gone.push_back(&label); }
  std::vector<TsEditLabel*> gone;
};

TEST_F(SkinLabelTest, EditLabelTellsItsOwnerWhenItIsGone) {
  RecordingBoundLabel owner;
  auto label = std::make_unique<TsEditLabel>(nullptr, &owner);
  TsEditLabel* address = label.get();
  EXPECT_EQ(label->boundLabel(), &owner);
  EXPECT_TRUE(owner.gone.empty());
  label.reset();
  EXPECT_EQ(owner.gone, std::vector<TsEditLabel*>{address});
}

}  // namespace
}  // namespace tavra::test
