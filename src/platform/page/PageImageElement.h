#pragma once
// <img>: drawn by the layout engine's own element, plus a placeholder frame when the picture
// is missing from the page's archive or cannot be decoded.
#include <litehtml/litehtml.h>
#include <litehtml/el_image.h>

namespace tavra {

class PageContainer;

class PageImageElement : public litehtml::el_image {
 public:
  PageImageElement(const std::shared_ptr<litehtml::document>& doc, PageContainer& container)
      : litehtml::el_image(doc), container_(container) {}
  void draw(litehtml::uint_ptr hdc, int x, int y, const litehtml::position* clip) override;

 private:
  PageContainer& container_;
};

}  // namespace tavra
