#pragma once
// <font face size color>: the layout engine's own element ignores face and reads a relative
// size ("+2") as an absolute one; this one turns the attributes into styles as browsers do
// (presentational, so style sheets and the style attribute still win).
#include <litehtml/litehtml.h>

#include <string>
#include <string_view>

namespace tavra {

class PageFontElement : public litehtml::html_tag {
 public:
  explicit PageFontElement(const std::shared_ptr<litehtml::document>& doc) : litehtml::html_tag(doc) {}
  void parse_attributes() override;

  // The CSS font size of a size attribute: 1 to 7, or relative to 3 with a sign; empty when
  // the value is not a number.
  static std::string cssFontSize(std::string_view sizeAttribute);
};

}  // namespace tavra
