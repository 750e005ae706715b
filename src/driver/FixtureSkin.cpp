#include "driver/FixtureSkin.h"

#include <string>

namespace tavra {
namespace {

std::string gradient(Color top, Color bottom) {
  return std::to_string(top) + ";" + std::to_string(bottom) + ";100;0;0";
}

std::string fontColors(Color main) { return std::to_string(main) + " -1 -1 -1 -1"; }

// A 16 × 16 button frame: a dark outline with transparent corner pixels, a lighter line inside.
void buttonFrame(Bitmap& master, int left, Color outline, Color inner) {
  master.fillRect(Rect::fromSize(left, 0, 16, 16), pixelFromColor(outline));
  master.fillRect(Rect::fromSize(left + 1, 1, 14, 14), pixelFromColor(inner));
  master.fillRect(Rect::fromSize(left + 2, 2, 12, 12), pixelFromColor(clFuchsia));
  for (Point p : {Point{0, 0}, Point{15, 0}, Point{0, 15}, Point{15, 15}}) {
    master.setPixel(left + p.x, p.y, pixelFromColor(clFuchsia));
  }
}

TsSkinImage border(const std::string& section, Rect r, int count, int width, int stretchMode = 0) {
  TsSkinImage i;
  i.SectionName = section;
  i.PropertyName = "BORDERSMASK";
  i.Left = r.left;
  i.Top = r.top;
  i.Right = r.right;
  i.Bottom = r.bottom;
  i.ImageCount = static_cast<std::int16_t>(count);
  i.StretchMode = static_cast<std::int16_t>(stretchMode);
  i.WL = i.WT = i.WR = i.WB = static_cast<std::int16_t>(width);
  return i;
}

}  // namespace

TsStoredSkin fixtureSkin() {
  TsStoredSkin skin;
  skin.Name = std::string(kFixtureSkinName);
  skin.Version = 6.14;
  skin.Author = "Tavra";

  Bitmap& m = skin.MasterBitmap;
  m = Bitmap(64, 48);
  m.fill(pixelFromColor(clFuchsia));
  buttonFrame(m, 0, rgb(60, 80, 130), rgb(245, 248, 255));   // normal
  buttonFrame(m, 16, rgb(40, 110, 200), rgb(255, 255, 255));  // hot
  buttonFrame(m, 32, rgb(30, 50, 100), rgb(150, 165, 200));   // pressed
  m.fillRect({0, 16, 8, 24}, pixelFromColor(rgb(150, 160, 185)));  // panel frame
  m.fillRect({8, 22, 16, 23}, pixelFromColor(rgb(20, 30, 60)));    // bar: dark line
  m.fillRect({8, 23, 16, 24}, pixelFromColor(rgb(110, 150, 220)));  // bar: lit line
  // The speed button's three frames lie in the row below; frame 0 is never shown.
  for (int i = 0; i < 3; ++i) {
    const Rect frame = Rect::fromSize(i * 16, 32, 16, 16);
    m.fillRect(frame, pixelFromColor(i == 2 ? rgb(30, 50, 100) : rgb(40, 110, 200)));
    m.fillRect(frame.inflatedBy(-2, -2), pixelFromColor(clFuchsia));
  }

  auto section = [&](const std::string& name, Color color) -> TsSkinGeneral& {
    TsSkinGeneral& s = skin.GeneralData.emplace_back();
    s.SectionName = name;
    s.Color = color;
    s.HotColor = color;
    s.FontColor = fontColors(rgb(0, 0, 0));
    s.HotFontColor = fontColors(rgb(0, 0, 0));
    return s;
  };
  section("GLOBALINFO", rgb(228, 232, 242));
  TsSkinGeneral& bar = section("BAR", rgb(40, 60, 110));
  bar.GradientPercent = 100;
  bar.GradientData = gradient(rgb(80, 115, 185), rgb(25, 40, 85));
  bar.FontColor = fontColors(rgb(255, 255, 255));
  TsSkinGeneral& panel = section("PANEL", rgb(238, 241, 248));
  panel.FontColor = fontColors(rgb(20, 30, 60));
  TsSkinGeneral& button = section("BUTTON", rgb(200, 212, 235));
  button.GradientPercent = 100;
  button.GradientData = gradient(rgb(236, 241, 251), rgb(186, 201, 230));
  button.HotColor = rgb(215, 230, 255);
  button.HotGradientPercent = 100;
  button.HotGradientData = gradient(rgb(250, 252, 255), rgb(200, 222, 255));
  button.FontColor = fontColors(rgb(20, 35, 80));
  button.HotFontColor = fontColors(rgb(0, 70, 170));
  TsSkinGeneral& speed = section("SPEEDBUTTON", rgb(200, 212, 235));
  speed.Transparency = 100;
  speed.HotTransparency = 60;
  speed.HotColor = rgb(200, 222, 255);
  TsSkinGeneral& edit = section("EDIT", rgb(255, 255, 255));
  edit.FontColor = fontColors(rgb(0, 0, 0));

  skin.Images.push_back(border("BUTTON", {0, 0, 48, 16}, 3, 2));
  skin.Images.push_back(border("PANEL", {0, 16, 8, 24}, 1, 1));
  TsSkinImage barEdge = border("BAR", {8, 16, 16, 24}, 1, 0);
  barEdge.WB = 2;
  skin.Images.push_back(barEdge);
  skin.Images.push_back(border("SPEEDBUTTON", {0, 32, 48, 48}, 3, 2, 2));
  return skin;
}

}  // namespace tavra
