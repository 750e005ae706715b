#pragma once
// What a skinned bit or speed button draws over its section, read from the properties both
// classes publish: its glyph and the content the layout places.
#include "skin/controls/SkinButtonGlyph.h"
#include "skin/controls/SkinButtonLayout.h"

namespace tavra {

template <typename Button>
SkinGlyph glyphOfButton(const Button& b, bool hot) {
  SkinGlyph g;
  g.glyph = &b.glyph();
  g.numGlyphs = b.numGlyphs();
  g.images = b.images();
  g.imageIndex = b.imageIndex();
  g.enabled = b.enabled();
  g.hot = hot;
  g.blend = b.blend();
  g.grayed = b.grayed();
  g.reflected = b.reflected();
  g.disabledKind = b.disabledGlyphKind();
  return g;
}

template <typename Button>
SkinButtonContent contentOfButton(const Button& b, const SkinGlyph& g) {
  SkinButtonContent content;
  content.glyph = g.present() ? g.size() : Size{};
  if (b.showCaption()) content.caption = b.caption();
  content.layout = b.layout();
  content.margin = b.margin();
  content.spacing = b.spacing();
  content.textAlignment = b.textAlignment();
  content.textOffset = b.textOffset();
  return content;
}

}  // namespace tavra
