#include "skin/hints/TsCustomHintWindow.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <thread>

#include "gfx/Canvas.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BindingPainting.h"
#include "skin/hints/HintKindFill.h"
#include "skin/hints/HintPixels.h"
#include "skin/hints/HintPlacement.h"
#include "skin/hints/HintSkinLook.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/binding/TsBackgroundInfo.h"
#include "skin/hints/TsHintManager.h"
#include "skin/hints/TsHtml.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// Each hint window keeps its own device context (class style bit 0x20).
constexpr std::uint32_t kOwnDeviceContext = 0x00000020;
constexpr Pixel kWhite = 0xFFFFFFFFu;

void realOrNoPause(Window& window, int ms) {
  if (window.system().clock().isVirtual()) return;
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TsCustomHintWindow::FadePause& fadePause() {
  static TsCustomHintWindow::FadePause pause = realOrNoPause;
  return pause;
}

int roundToInt(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

void TsCustomHintWindow::setFadePause(FadePause pause) { fadePause() = pause ? std::move(pause) : FadePause(realOrNoPause); }

TsCustomHintWindow::TsCustomHintWindow(TComponent* owner) : THintWindow(owner) {}

TsCustomHintWindow::~TsCustomHintWindow() = default;

bool TsCustomHintWindow::hasManager() { return TsHintManager::current() != nullptr; }
TsHintManager& TsCustomHintWindow::manager() { return *TsHintManager::current(); }
TsHintKind& TsCustomHintWindow::kind() { return manager().HintKind(); }
bool TsCustomHintWindow::usesSkinData() { return hasManager() && manager().UsesSkinData(); }
bool TsCustomHintWindow::layeredWindows() { return WindowSystem::instance().backend().supportsPerPixelAlpha(); }

void TsCustomHintWindow::CreateParams(WindowParams& p) {
  THintWindow::CreateParams(p);
  p.style &= ~static_cast<std::uint32_t>(WS_BORDER);
  p.classStyle |= kOwnDeviceContext;
}

// --- Measuring and placing ----------------------------------------------------------------------

int TsCustomHintWindow::SkinBorderWidth(int side) const {
  TsSkinManager* skins = TsSkinManager::DefaultManager();
  return skins ? HintSkinBorderWidth(skins->model(), BorderMaskIndex, side) : 0;
}

Rect TsCustomHintWindow::CalcHintRect(int, const std::string& hint, void*) {
  ExtraWidth = ExtraHeight = 0;
  if (!hasManager()) return {};
  TsHintKind& k = kind();
  Rect r;
  if (TWinControl* frame = manager().customHintFrame().get()) {
    r = {0, 0, frame->width(), frame->height()};
  } else {
    const bool skin = usesSkinData();
    TsSkinManager* skins = TsSkinManager::DefaultManager();
    if (skin && skins->active()) {
      const SkinModel& model = skins->model();
      const std::string& section = manager().SkinSection();
      SectionIndex = model.FindSection(section);
      BorderMaskIndex = model.FindMask(SectionIndex, section, "BORDERSMASK");
      PatternIndex = model.FindTexture(SectionIndex, section, "PATTERN");
    }
    r = {0, 0, k.MaxWidth, 0};
    Bitmap scratch(1, 1);
    Canvas c(scratch);
    c.setFont(skin ? systemFont() : k.Font());
    if (manager().HTMLMode) r = TsHtml::render(c, hint, r, TsHtml::Mode::Measure);
    else c.drawText(hint, r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
    r = {0, 0, r.width(), r.height()};
    if ((k.Style() == hsBalloon || k.Style() == hsEllipse) && r.width() < 50) r.right = 50;
    if (skin) {
      r.right += SkinBorderWidth(0) + SkinBorderWidth(2) + 8;
      r.bottom += SkinBorderWidth(1) + SkinBorderWidth(3) + 8;
    } else {
      r.right += 2 * (k.MarginH + k.BevelWidth);
      r.bottom += 2 * (k.MarginV + k.BevelWidth);
    }
  }
  if (k.ShadowEnabled()) {
    r.right += k.ShadowOffset;
    r.bottom += k.ShadowOffset;
  }
  return r;
}

Point TsCustomHintWindow::GetAnchor() {
  if (hasManager() && manager().HintPosition.x != -1) return manager().HintPosition;
  return WindowSystem::instance().cursorPos();
}

void TsCustomHintWindow::ActivateHint(Rect rect, const std::string& hint) {
  if (!hasManager() || kind().Style() == hsNone) return;
  const bool layered = layeredWindows();
  systemDropShadow_ = usesSkinData() && layered;
  setCaption(hint);
  const int w = rect.width(), h = rect.height();
  const HintPlacement place = PlaceHint(GetAnchor(), {w, h}, manager().DefaultMousePos, WindowSystem::instance().desktopSize());
  Corner = place.corner;
  const Rect placed = place.bounds;
  manager().HintCanvas().resize(std::max(0, w), std::max(0, h), kWhite);
  if (layered) activateLayered(placed);
  else activateCaptured(placed);
  if (hasManager()) manager().HintPosition.x = -1;
}

void TsCustomHintWindow::activateLayered(const Rect& rect) {
  TsHintKind& k = kind();
  ScreenCapture.reset();
  Window& win = handle();
  setBoundsRect(rect);
  win.bringToFront();
  const int opacity = std::clamp(roundToInt(255 - k.Transparency * 2.55), 0, 255);
  UpdateRegion();
  Bitmap body = MakeBody();
  Bitmap& canvas = manager().HintCanvas();
  canvas.fill(kWhite);
  if (k.ShadowEnabled()) PaintShadow(canvas);
  if (!ShapeMask) UpdateRegion();
  layer_ = ComposeLayer(body, *ShapeMask, canvas);
  BodyBitmap.reset();
  win.setExStyle(win.exStyle() | WS_EX_LAYERED);
  win.setPerPixelAlpha(true);
  if (manager().Animated) {
    int t = k.Transparency;
    if (usesSkinData()) {
      const SkinModel& model = TsSkinManager::DefaultManager()->model();
      if (model.IsValidSection(SectionIndex)) t = model.Sections[static_cast<size_t>(SectionIndex)].Transparency;
    }
    fadeIn(win, std::clamp(t, 0, 100));
  } else {
    win.setOpacity(static_cast<std::uint8_t>(opacity));
    if (!visible()) setVisible(true);
    Invalidate();
  }
}

void TsCustomHintWindow::fadeIn(Window& win, int transparency) {
  if (isDestroying()) return;
  const int target = roundToInt((100 - transparency) * 2.55);
  const double step = target / static_cast<double>(kFadeSteps);
  win.setOpacity(0);
  if (!visible()) setVisible(true);
  Invalidate();
  win.update();
  double acc = 0;
  for (int i = 0; i < kFadeSteps; ++i) {
    acc += step;
    if (isDestroying()) return;
    win.setOpacity(static_cast<std::uint8_t>(std::clamp(roundToInt(acc), 0, 255)));
    fadePause()(win, kFadeStepMs);
  }
}

void TsCustomHintWindow::activateCaptured(const Rect& rect) {
  layer_ = Bitmap();
  Window& win = handle();
  if (win.perPixelAlpha()) win.setPerPixelAlpha(false);
  win.setOpacity(255);
  if (visible()) setVisible(false);
  ScreenCapture = WindowSystem::instance().captureScreen(rect);
  manager().HintCanvas() = *ScreenCapture;
  setBoundsRect(rect);
  if (!visible()) setVisible(true);
  win.bringToFront();
  Invalidate();
}

// --- Composition --------------------------------------------------------------------------------

void TsCustomHintWindow::UpdateRegion() {
  ShapeMask = MakeMask();
  if (!handleAllocated()) return;
  if (usesSkinData()) window()->setWindowRegion(RegionFromMask(*ShapeMask, clWhite), Redraw::No);
  else if (window()->windowRegion()) window()->setWindowRegion(std::nullopt, Redraw::No);
}

void TsCustomHintWindow::Paint() {
  if (!hasManager()) return;
  Canvas& c = *canvas();
  if (!layer_.isEmpty()) {
    c.drawBitmap({0, 0}, layer_);
    return;
  }
  Bitmap& hintCanvas = manager().HintCanvas();
  // Every paint starts from the screen as it was, so that a repaint does not darken it again.
  if (ScreenCapture && ScreenCapture->size() == clientSizeNow()) hintCanvas = *ScreenCapture;
  if (hintCanvas.size() != clientSizeNow()) hintCanvas.resize(width(), height(), kWhite);
  if (kind().ShadowEnabled()) PaintShadow(hintCanvas);
  BodyBitmap = MakeBody();
  if (!ShapeMask) UpdateRegion();
  if (ShapeMask && BodyBitmap) ComposeThroughMask(hintCanvas, *BodyBitmap, *ShapeMask);
  c.drawBitmap({0, 0}, hintCanvas);
  ShapeMask.reset();
  BodyBitmap.reset();
}

void TsCustomHintWindow::WndProc(TMessage& m) {
  switch (m.Msg) {
    case SM_SKINCMD:
      if (skinCommandOf(m.WParam_) == SKC_GETVARIES) {
        m.Result = 1;
        return;
      }
      if (skinCommandOf(m.WParam_) == SKC_GETBG) {
        // Between paints there is no body to show: the asker keeps what it knows.
        auto* info = reinterpret_cast<TsBackgroundInfo*>(m.LParam_);
        if (info && BodyBitmap) {
          info->Bitmap = &*BodyBitmap;
          info->OffsetX = info->OffsetY = 0;
          info->Kind = BackgroundKind::Bitmap;
        }
        m.Result = 0;
        return;
      }
      break;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (hasManager()) UpdateRegion();
      m.Result = 1;
      return;
    default: break;
  }
  THintWindow::WndProc(m);
}

// --- The slots ----------------------------------------------------------------------------------

void TsCustomHintWindow::PaintShadow(Bitmap&) {}

Rect TsCustomHintWindow::BodyRect() {
  const int s = hasManager() ? kind().shadowShift() : 0;
  return {0, 0, width() - s, height() - s};
}

Point TsCustomHintWindow::TailPoint() const {
  switch (Corner) {
    case mpLeftTop: return {3, 3};
    case mpLeftBottom: return {3, height() - 3};
    case mpRightTop: return {width() - 3, 3};
    case mpRightBottom: return {width() - 3, height() - 3};
  }
  return {3, 3};
}

Bitmap TsCustomHintWindow::MakeMask() {
  TsSkinManager* skins = TsSkinManager::DefaultManager();
  if (!skins) {
    Bitmap mask = NewBitmap24(width(), height());
    mask.fill(pixelFromColor(clBlack));
    return mask;
  }
  return HintSkinMask(skins->model(), {SectionIndex, BorderMaskIndex, PatternIndex}, clientSizeNow());
}

Bitmap TsCustomHintWindow::MakeBody() {
  Bitmap body = NewBitmap24(width(), height());
  body.fill(kWhite);
  if (TsSkinManager* skins = TsSkinManager::DefaultManager()) {
    PaintHintSkinBody(body, skins->model(), {SectionIndex, BorderMaskIndex, PatternIndex}, ScreenCapture ? &*ScreenCapture : nullptr);
  }
  shareBodyWithFrame(body);
  PaintText(body);
  return body;
}

void TsCustomHintWindow::PaintBackground(Bitmap& bitmap, const Rect& r) { PaintHintKindBackground(bitmap, r, kind()); }


void TsCustomHintWindow::PaintBevel(Bitmap&) {}

Bitmap TsCustomHintWindow::composeBody(const Rect& backgroundRect) {
  Bitmap body = NewBitmap24(width(), height());
  body.fill(kWhite);
  PaintBackground(body, backgroundRect);
  shareBodyWithFrame(body);
  PaintText(body);
  PaintBevel(body);
  return body;
}

void TsCustomHintWindow::shareBodyWithFrame(const Bitmap& body) {
  if (hasManager() && manager().customHintFrame()) BodyBitmap = body;
}

void TsCustomHintWindow::FillShape(Canvas&, Point, int, Color) {}

Bitmap TsCustomHintWindow::shapeMask(int g) {
  Bitmap mask = NewBitmap24(width(), height());
  if (mask.isEmpty()) return mask;
  mask.fill(kWhite);
  Canvas c(mask);
  FillShape(c, {0, 0}, 0, rgb(g, g, g));
  return mask;
}

Bitmap TsCustomHintWindow::ringedShadowMask(int a0, Point shift) {
  Bitmap mask = NewBitmap24(width(), height());
  if (mask.isEmpty()) return mask;
  mask.fill(kWhite);
  Canvas c(mask);
  const int blur = std::clamp(kind().ShadowBlur, 0, kMaxShadowBlur);
  for (int k = 0; k <= blur; ++k) {
    const int g = skinpx::clamp255(a0 + roundToInt((blur - k) * (255.0 - a0) / (blur + 1)));
    FillShape(c, shift, k, rgb(g, g, g));
  }
  return mask;
}

Rect TsCustomHintWindow::bandedBodyRect() {
  const TsHintKind& k = kind();
  const int s = k.shadowShift();
  if (tailPointsDown(Corner)) return {0, 0, width() - s, height() - s - k.ExOffset};
  return {0, k.ExOffset, width() - s, height() - s};
}

void TsCustomHintWindow::fillTail(Canvas& canvas, const Rect& body, Point shift, int inset, Color grey) {
  const int cx = body.left + body.width() / 2;
  const int q = std::max(0, body.width() / 8) - inset;
  if (q <= 0) return;
  const int my = tailPointsDown(Corner) ? body.bottom - body.height() / 2 : body.top + body.height() / 2;
  const std::array<Point, 3> tail = {TailPoint() + shift, Point{cx - q, my} + shift, Point{cx + q, my} + shift};
  canvas.fillPolygon(tail, grey);
}

int TsCustomHintWindow::insideGrey(bool balloon) {
  if (layeredWindows()) return 0;
  const int t = std::max(0, kind().Transparency);
  if (balloon) return skinpx::clamp255(t * 256 / 100);
  return skinpx::clamp255(2 * (t * 255 / 100) - 255);
}

Rect TsCustomHintWindow::textRect() {
  Rect t = BodyRect();
  if (usesSkinData()) {
    return {t.left + SkinBorderWidth(0) + 4, t.top + SkinBorderWidth(1) + 4, t.right - SkinBorderWidth(2) - 4,
            t.bottom - SkinBorderWidth(3) - 4};
  }
  const TsHintKind& k = kind();
  const int h = k.MarginH + k.BevelWidth + ExtraWidth / 2;
  const int v = k.MarginV + k.BevelWidth + ExtraHeight / 2;
  return {t.left + h, t.top + v, t.right - h, t.bottom - v};
}

void TsCustomHintWindow::paintFrame(Bitmap& bitmap, const Rect& t) {
  std::unique_ptr<TWinControl> frame = std::move(manager().customHintFrame());
  frame->setVisible(false);
  frame->setBounds(t.left, t.top, frame->width(), frame->height());
  frame->setParent(this);
  Bitmap picture = NewBitmap24(frame->width(), frame->height());
  picture.fill(kWhite);
  TsSkinManager* skins = TsSkinManager::DefaultManager();
  if (skins && skins->active()) {
    frame->setVisible(true);
    Canvas c(picture);
    frame->handle().send(WM_PRINT, reinterpret_cast<WParam>(&c), PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND | PRF_NONCLIENT);
  }
  CopyBitmap(bitmap, picture, t.topLeft());
  frame.reset();
}

void TsCustomHintWindow::PaintText(Bitmap& bitmap) {
  if (!hasManager()) return;
  const Rect body = BodyRect();
  if (manager().customHintFrame()) {
    paintFrame(bitmap, body);
    return;
  }
  const Rect t = textRect();
  const bool skin = usesSkinData();
  Canvas c(bitmap);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setFont(skin ? systemFont() : kind().Font());
  if (manager().HTMLMode) {
    if (skin) {
      const SkinModel& model = TsSkinManager::DefaultManager()->model();
      if (model.IsValidSection(SectionIndex)) c.setTextColor(model.Sections[static_cast<size_t>(SectionIndex)].FontColor[0]);
    }
    TsHtml::render(c, caption(), t, TsHtml::Mode::Draw);
  } else if (skin) {
    WriteSectionText(c, caption(), true, TsSkinManager::DefaultManager(), false, SectionIndex,
                     DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS, t);
  } else {
    c.drawText(caption(), t, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  }
}

}  // namespace tavra
