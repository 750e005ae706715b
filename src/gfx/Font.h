#pragma once
// A logical font as the windows name it: face name, em height in pixels, style, colour and
// character set. Faces are mapped to installed families through one table (mapFontFace).
#include <cstdint>
#include <string>

#include "base/Color.h"

namespace tavra {

enum FontStyle : unsigned {
  fsNone = 0,
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};

enum class FontCharset : int { Default = 1, Ansi = 0, Russian = 204, Symbol = 2 };

struct Font {
  std::string name = "MS Sans Serif";
  int height = 11;  // em height in pixels
  unsigned style = fsNone;
  Color color = clWindowText;
  FontCharset charset = FontCharset::Default;

  bool bold() const { return (style & fsBold) != 0; }
  bool italic() const { return (style & fsItalic) != 0; }
  friend bool operator==(const Font&, const Font&) = default;
};

// Points to pixels at 96 dpi, as the platform rounds them (8 pt → 11 px).
constexpr int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

// The installed family that stands for a face name ("Tahoma" → "Liberation Sans").
std::string mapFontFace(const std::string& faceName);

// The system's fonts: menu, caption (bold), message box and hint: Tahoma 8 pt.
Font systemFont();
Font captionFont();

// Loads the font configuration and the families of the face table, so that the first text a
// window draws does not pay for it. Called once at start-up on the GUI thread.
void warmUpFonts();

}  // namespace tavra
