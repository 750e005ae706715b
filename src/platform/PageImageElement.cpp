#include "platform/PageImageElement.h"

#include "platform/PageContainer.h"

namespace tavra {

void PageImageElement::draw(litehtml::uint_ptr hdc, int x, int y, const litehtml::position* clip) {
  litehtml::el_image::draw(hdc, x, y, clip);
  const char* src = get_attr("src", "");
  if (!container_.isImageMissing(src)) return;
  litehtml::position pos = m_pos;
  pos.x += x;
  pos.y += y;
  if (clip && !pos.does_intersect(clip)) return;
  container_.drawMissingImage(hdc, pos, get_attr("alt", ""));
}

}  // namespace tavra
