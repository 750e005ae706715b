#pragma once
// Rewrites a page's HTML before layout where the layout engine would lose content or
// placement: comment markers inside <style> (which would swallow the first rule) are removed,
// and "vertical-align" by a length (word processors use it for raised and lowered text) becomes
// relative positioning. Nesting deeper than kMaxNesting elements is flattened, since layout time
// grows with the square of the depth; cell spans are limited to kMaxSpan. A word whose pieces
// differ in style, a letter and its subscript included, is kept on one line (glueWords).
#include <string>
#include <string_view>

namespace tavra {

inline constexpr int kMaxNesting = 256;
// Table cells span at most this many columns or rows.
inline constexpr int kMaxSpan = 1000;

std::string preprocessPageHtml(std::string_view html);

// The CSS text with "<!--" and "-->" removed (also used for imported style sheets).
std::string stripCssCommentMarkers(std::string_view css);

}  // namespace tavra
