#pragma once
// A skin made for the frame tests and a headless program whose forms take it: a FORM border
// with magenta corner pixels, a flat FORMTITLE (grey inactive, blue active), caption button
// pictures of solid colours per state, and the frame hand-over installed for the test's length.
#include <gtest/gtest.h>

#include <string>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/frames/FramesHandOver.h"
#include "skin/frames/TsSkinProvider.h"

namespace tavra::test {

struct FrameSkinOptions {
  bool buttonPictures = true;
  bool formTitle = true;
  bool magenta = true;
  bool closeGlow = false;  // a BICONCLOSEGLOW0 picture (a 12 × 12 border, 4 pixels wide)
};

namespace frame_colors {
constexpr Color kBorder = 0x00505014;           // rgb(20, 80, 80)
constexpr Color kForm = 0x00DCE6E6;             // rgb(230, 230, 220)
constexpr Color kTitleInactive = 0x00808080;    // rgb(128, 128, 128)
constexpr Color kTitleActive = 0x008C3C14;      // rgb(20, 60, 140)
constexpr Color kCloseNormal = 0x000000FF;      // red
constexpr Color kCloseHot = 0x0000C800;         // green
constexpr Color kClosePressed = 0x00C80000;     // blue
constexpr Color kMinNormal = 0x0000C8C8;        // rgb(200, 200, 0)
constexpr Color kSmallClose = 0x000080FF;       // rgb(255, 128, 0)
}  // namespace frame_colors

inline TsStoredSkin frameSkin(const FrameSkinOptions& o) {
  using namespace frame_colors;
  TsStoredSkin skin;
  skin.Name = "Frames";
  skin.Version = 6.14;
  Bitmap& m = skin.MasterBitmap;
  m = Bitmap(128, 64);
  m.fill(pixelFromColor(clFuchsia));
  m.fillRect({0, 0, 12, 12}, pixelFromColor(kBorder));
  if (o.magenta) {
    for (int x : {0, 1, 2, 9, 10, 11}) m.setPixel(x, 0, pixelFromColor(clFuchsia));
    for (int x : {0, 11}) m.setPixel(x, 1, pixelFromColor(clFuchsia));
  }
  const Color close[3] = {kCloseNormal, kCloseHot, kClosePressed};
  const Color min[3] = {kMinNormal, rgb(0, 200, 200), rgb(150, 0, 150)};
  for (int i = 0; i < 3; ++i) {
    m.fillRect(Rect::fromSize(16 * i, 16, 16, 16), pixelFromColor(close[i]));
    m.fillRect(Rect::fromSize(16 * i, 32, 16, 16), pixelFromColor(min[i]));
    m.fillRect(Rect::fromSize(48 + 13 * i, 16, 13, 13), pixelFromColor(kSmallClose));
  }
  auto section = [&](const std::string& name, Color normal, Color hot) -> TsSkinGeneral& {
    TsSkinGeneral& s = skin.GeneralData.emplace_back();
    s.SectionName = name;
    s.Color = normal;
    s.HotColor = hot;
    s.FontColor = std::to_string(clBlack) + " -1 -1 -1 -1";
    s.HotFontColor = std::to_string(clWhite) + " -1 -1 -1 -1";
    return s;
  };
  section("GLOBALINFO", kForm, kForm);
  section("FORM", kForm, kForm);
  if (o.formTitle) section("FORMTITLE", kTitleInactive, kTitleActive);
  auto image = [&](const std::string& section, const std::string& property, Rect r, int count, int width) {
    TsSkinImage& i = skin.Images.emplace_back();
    i.SectionName = section;
    i.PropertyName = property;
    i.Left = r.left;
    i.Top = r.top;
    i.Right = r.right;
    i.Bottom = r.bottom;
    i.ImageCount = static_cast<std::int16_t>(count);
    i.WL = i.WT = i.WR = i.WB = static_cast<std::int16_t>(width);
    i.ImgType = width > 0 ? 0 : 2;
  };
  image("FORM", "BORDERSMASK", {0, 0, 12, 12}, 1, 3);
  if (o.buttonPictures) {
    image("GLOBALINFO", "BICONCLOSE", {0, 16, 48, 32}, 3, 0);
    image("GLOBALINFO", "BICONMIN", {0, 32, 48, 48}, 3, 0);
    image("GLOBALINFO", "SICONCLOSE", {48, 16, 87, 29}, 3, 0);
  }
  if (o.closeGlow) {
    m.fillRect({96, 0, 108, 12}, pixelFromColor(rgb(255, 220, 0)));
    image("GLOBALINFO", "BICONCLOSEGLOW0", {96, 0, 108, 12}, 1, 4);
  }
  return skin;
}

class FrameFixture : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  SkinHandOver savedSlots;

  void SetUp() override {
    savedSlots = SkinHandOver::slots();
    installFramesHandOver();
  }
  void TearDown() override { SkinHandOver::slots() = savedSlots; }

  void useSkin(const FrameSkinOptions& options = {}) {
    // The application's main form stays hidden: closing the forms under test only hides them.
    driver.app().CreateForm<TForm>();
    sm = &driver.app().make<TsSkinManager>();
    sm->AnimEffects.SkinChanging.Active = false;
    sm->internalSkins().add() = frameSkin(options);
    sm->setSkinName("Frames");
  }

  // A shown form with the main window's frame: single border, system menu and minimise.
  TForm& showForm(Rect bounds = Rect::fromSize(100, 100, 500, 300), TFormBorderStyle border = TFormBorderStyle::bsSingle,
                  unsigned icons = biSystemMenu | biMinimize) {
    TForm& form = driver.app().CreateForm<TForm>();
    form.setBorderStyle(border);
    form.setBorderIcons(icons);
    form.setCaption("Frame");
    form.setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
    form.Show();
    driver.settle();
    return form;
  }

  static TsSkinProvider* providerOf(TForm& form) { return dynamic_cast<TsSkinProvider*>(skinProviderOf(form)); }
  Color screenAt(Point p) { return driver.screenshot().colorAt(p.x, p.y); }
};

}  // namespace tavra::test
