#include "platform/page/PageImageElement.h"

#include "platform/page/PageContainer.h"

namespace tavra {
namespace {

constexpr long long kFarAway = 1LL << 30;

}  // namespace

void PageImageElement::draw(litehtml::uint_ptr hdc, int x, int y, const litehtml::position* clip) {
  litehtml::el_image::draw(hdc, x, y, clip);
  const char* src = get_attr("src", "");
  if (!container_.isImageMissing(src)) return;
  // Positions of hostile pages can sit at the ends of the int range.
  long long left = static_cast<long long>(m_pos.x) + x;
  long long top = static_cast<long long>(m_pos.y) + y;
  if (left < -kFarAway || left > kFarAway || top < -kFarAway || top > kFarAway) return;
  litehtml::position pos(static_cast<int>(left), static_cast<int>(top), m_pos.width, m_pos.height);
  if (clip && !pos.does_intersect(clip)) return;
  container_.drawMissingImage(hdc, pos, get_attr("alt", ""));
}

}  // namespace tavra
