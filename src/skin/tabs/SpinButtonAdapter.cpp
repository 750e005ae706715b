#include "skin/tabs/SpinButtonAdapter.h"

#include <array>

#include "framework/controls/TabScroller.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/binding/TsCommonData.h"
#include "winsys/WindowSystem.h"

namespace tavra {

namespace {

// A small filled triangle pointing left (step −1) or right (+1), centred in r.
void drawArrow(Canvas& c, const Rect& r, int step, Color ink) {
  const int cx = (r.left + r.right) / 2;
  const int cy = (r.top + r.bottom) / 2;
  for (int i = 0; i < 4; ++i) {
    const int x = step < 0 ? cx - 2 + i : cx + 1 - i;
    c.fillRect(Rect{x, cy - i, x + 1, cy + i + 1}, ink);
  }
}

}  // namespace

SpinButtonAdapter::SpinButtonAdapter(TTabScroller& arrows, const TsCommonData& binding, std::string section)
    : arrows_(arrows), binding_(binding), section_(std::move(section)) {
  Window* w = arrows_.window();
  if (!w) return;
  handle_ = w->handle();
  previous_ = w->setProc([this](Window& window, MessageId msg, WParam wp, LParam lp) { return handle(window, msg, wp, lp); });
  w->invalidate();
}

SpinButtonAdapter::~SpinButtonAdapter() {
  if (!handle_) return;
  if (Window* w = WindowSystem::instance().find(handle_)) {
    w->setProc(std::move(previous_));
    w->invalidate();
  }
}

bool SpinButtonAdapter::attached() const {
  const Window* w = arrows_.window();
  return w && handle_ != 0 && w->handle() == handle_;
}

int SpinButtonAdapter::arrowAt(int x) const { return x < arrows_.width() / 2 ? -1 : 1; }

void SpinButtonAdapter::setHot(int arrow) {
  if (arrow == hot_) return;
  hot_ = arrow;
  if (Window* w = arrows_.window()) w->invalidate(Erase::No);
}

void SpinButtonAdapter::mouseLeft() {
  pressed_ = 0;
  setHot(0);
}

LResult SpinButtonAdapter::handle(Window& window, MessageId msg, WParam wp, LParam lp) {
  const TsSkinManager* manager = binding_.manager();
  const bool skinned = manager && manager->model().IsValidSection(manager->model().FindSection(section_));
  auto chain = [&] { return previous_ ? previous_(window, msg, wp, lp) : WindowSystem::instance().defWindowProc(window, msg, wp, lp); };
  switch (msg) {
    case WM_ERASEBKGND:
      if (!skinned) return chain();
      return 1;  // the paint covers every pixel
    case WM_PAINT: {
      if (!skinned) return chain();
      PaintScope scope = WindowSystem::instance().beginPaint(window);
      paint(scope.canvas());
      return 0;
    }
    case WM_MOUSEMOVE:
      setHot(arrowAt(xFromLParam(lp)));
      return chain();
    case WM_MOUSELEAVE:
      mouseLeft();
      return chain();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int arrow = arrowAt(xFromLParam(lp));
      const bool can = arrow < 0 ? arrows_.canScrollBack : arrows_.canScrollForward;
      if (can) pressed_ = arrow;
      window.invalidate(Erase::No);
      return chain();
    }
    case WM_LBUTTONUP:
      pressed_ = 0;
      window.invalidate(Erase::No);
      return chain();
    default:
      return chain();
  }
}

//   ┌────────┬────────┐   the left half scrolls back, the right half forward; each is the
//   │   ◀    │   ▶    │   section's face in its own state with the skin's scroll glyph
//   └────────┴────────┘   (a drawn triangle where the skin has none)
void SpinButtonAdapter::paint(Canvas& canvas) const {
  const TsSkinManager* manager = binding_.manager();
  if (!manager) return;
  const SkinModel& model = manager->model();
  const int index = model.FindSection(section_);
  if (!model.IsValidSection(index)) return;
  const TsGeneralData& s = model.Sections[static_cast<size_t>(index)];
  const int w = arrows_.width();
  const int h = arrows_.height();
  const int half = w / 2;
  // What lies under the arrows: the tab control's composed look, or its colour.
  const Bitmap& under = binding_.CacheBitmap;
  const TsCacheView view = under.isEmpty() ? TsCacheView{.FillColor = binding_.StateColor(0)}
                                           : TsCacheView{.Bitmap = &under, .X = arrows_.left(), .Y = arrows_.top(), .FillColor = clFuchsia, .Ready = true};
  for (int step : {-1, 1}) {
    const Rect r = step < 0 ? Rect{0, 0, half, h} : Rect{half, 0, w, h};
    if (r.isEmpty()) continue;
    const bool enabled = step < 0 ? arrows_.canScrollBack : arrows_.canScrollForward;
    const int state = !enabled ? 0 : pressed_ == step ? 2 : hot_ == step ? 1 : 0;
    Bitmap face = NewBitmap24(r.width(), r.height());
    PaintSection(model, index, view, -1, -1, ClippedRows(face), r.topLeft(), face.bounds(), state, CentreFill::Yes);
    const Bitmap plain = face;
    const int glyph = step < 0 ? model.CommonIndices.ScrollBtnLeftGlyph : model.CommonIndices.ScrollBtnRightGlyph;
    const MaskFrame f = maskFrame(model, glyph, state);
    if (f.valid()) {
      const Point at{(r.width() - f.frameWidth) / 2 + (state == 2 ? 1 : 0), (r.height() - f.frameHeight) / 2 + (state == 2 ? 1 : 0)};
      DrawMaskImage(ClippedRows(face), at, state, viewOfTarget(ClippedRows(face)), model, glyph, MaskOpacity::Opaque);
    } else {
      Canvas c(face);
      const Color ink = resolveColor(state == 0 ? s.FontColor[0] : s.HotFontColor[0]);
      drawArrow(c, face.bounds().offsetBy(state == 2 ? 1 : 0, state == 2 ? 1 : 0), step, ink);
    }
    // An arrow that cannot scroll shows its glyph faded into the face.
    if (!enabled) CopyBlended(ClippedRows(face), 0, 0, clNone, 0.4, plain.bounds(), plain);
    canvas.drawBitmap(r.topLeft(), face);
  }
}

}  // namespace tavra
