#pragma once
// Rewrites a page's HTML before layout where the layout engine would lose content or
// placement: comment markers inside <style> (which would swallow the first rule) are removed,
// and "vertical-align" by a length (word processors use it for raised and lowered text) becomes
// relative positioning.
#include <string>
#include <string_view>

namespace tavra {

std::string preprocessPageHtml(std::string_view html);

// The CSS text with "<!--" and "-->" removed (also used for imported style sheets).
std::string stripCssCommentMarkers(std::string_view css);

}  // namespace tavra
