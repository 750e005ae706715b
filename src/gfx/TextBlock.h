#pragma once
// The lines DrawText shows for a text, a font, a rectangle width and the DrawText flags: line
// breaks, word wrapping, prefix characters, tabs and end ellipsis, each line with its width.
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Font.h"
#include "gfx/TextEngine.h"

namespace tavra {

struct TextLine {
  std::string text;
  std::vector<ByteRange> underlines;
  int width = 0;  // pixels
};

struct PrefixedText {
  std::string text;
  std::vector<ByteRange> underlines;
};

// Removes prefix characters: "&&" is '&', "&x" is 'x' (underlined unless `hide`), a final lone
// '&' is dropped.
PrefixedText stripPrefixes(std::string_view text, bool hide);

class TextBlock {
 public:
  // `maxWidth` is the rectangle's width, used for word breaks and ellipsis.
  static TextBlock build(const Font& font, std::string_view text, int maxWidth, unsigned flags);

  const std::vector<TextLine>& lines() const { return lines_; }
  int lineHeight() const { return lineHeight_; }
  int tabWidth() const { return tabWidth_; }
  int width() const;
  int height() const { return lineHeight_ * static_cast<int>(lines_.size()); }

 private:
  void addParagraph(const Font& font, PrefixedText paragraph, int maxWidth, unsigned flags);

  std::vector<TextLine> lines_;
  int lineHeight_ = 0;
  int tabWidth_ = 0;
};

}  // namespace tavra
