#pragma once
// Colours as 32-bit values laid out 0x00BBGGRR. A value whose high byte is 0xFF names a system
// colour by its low byte and is resolved through the system colour table.
#include <cstdint>

namespace tavra {

using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Color clBlack = 0x000000;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clFuchsia = 0xFF00FF;  // the transparent colour of images, glyphs and caches
constexpr Color clNone = 0x1FFFFFFF;

// System colour indices; `systemColor(index)` names them as colour values.
enum class SysColor : int {
  ScrollBar = 0, Desktop = 1, ActiveCaption = 2, InactiveCaption = 3, Menu = 4, Window = 5,
  WindowFrame = 6, MenuText = 7, WindowText = 8, CaptionText = 9, ActiveBorder = 10,
  InactiveBorder = 11, AppWorkspace = 12, Highlight = 13, HighlightText = 14, BtnFace = 15,
  BtnShadow = 16, GrayText = 17, BtnText = 18, InactiveCaptionText = 19, BtnHighlight = 20,
  DarkShadow3D = 21, Light3D = 22, InfoText = 23, InfoBk = 24, HotLight = 26,
  GradientActiveCaption = 27, GradientInactiveCaption = 28, MenuHighlight = 29, MenuBar = 30,
};

constexpr Color systemColor(SysColor index) { return 0xFF000000u | static_cast<Color>(index); }
constexpr bool isSystemColor(Color c) { return (c & 0xFF000000u) == 0xFF000000u; }

constexpr Color clBtnFace = systemColor(SysColor::BtnFace);
constexpr Color clWindow = systemColor(SysColor::Window);
constexpr Color clWindowText = systemColor(SysColor::WindowText);
constexpr Color clBtnText = systemColor(SysColor::BtnText);
constexpr Color clHighlight = systemColor(SysColor::Highlight);
constexpr Color clHighlightText = systemColor(SysColor::HighlightText);
constexpr Color clInfoBk = systemColor(SysColor::InfoBk);
constexpr Color clGrayText = systemColor(SysColor::GrayText);

// The RGB value of a system colour index (0x00BBGGRR); unknown indices give black.
Color systemColorValue(int index);
// Resolves a system colour to its RGB value; other values lose their high byte.
Color resolveColor(Color c);

}  // namespace tavra
