// The provider's painting: composing the window picture in two layers (background; caption,
// menu bar, buttons and text), showing its non-client part, the client background, the shape,
// the background answer for the form's controls and the skin-change cross-fade.
#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuBar.h"
#include "gfx/Canvas.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BindingPainting.h"
#include "skin/primitives/BorderMask.h"
#include "skin/binding/CacheCopy.h"
#include "skin/frames/FrameShape.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/frames/SkinChangeFade.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/binding/TsBackgroundInfo.h"
#include "skin/frames/TsSkinProvider.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// The parts of a window outside its client rectangle, as four strips.
std::array<Rect, 4> nonClientStrips(Size window, const Rect& client) {
  return {Rect{0, 0, window.width, client.top}, Rect{0, client.top, client.left, client.bottom},
          Rect{client.right, client.top, window.width, client.bottom}, Rect{0, client.bottom, window.width, window.height}};
}

}  // namespace

void TsSkinProvider::composeBackground(Bitmap& target, int st) {
  const Window* w = form_.window();
  const Size size = frameSize();
  // Composed in the bitmap's own storage, which a skin change keeps for the next picture.
  target.setFormat(PixelFormat::Bits24);
  target.transparent = false;
  target.resize(size.width, size.height);
  const SkinModel& model = SkinData.manager()->model();
  const TsCacheView view{.FillColor = model.GlobalColor()};
  const Rect whole = target.bounds();
  if (SkinData.simpleFill()) {
    const TsGeneralData& s = *SkinData.section();
    const Color c = resolveColor(st ? s.HotColor : s.Color);
    target.fill(pixelFromColor(c));
    DrawBorderMask(target, whole, CentreFill::No, CornersFromParent::No, st, model, SkinData.borderMaskIndex(), view);
  } else if (metrics_.hasBorder) {
    PaintSection(SkinData, view, CentreFill::No, st, target, {0, 0}, whole);
  } else {
    PaintSectionBackground(SkinData, view, st, target, {0, 0}, whole);
  }
  if (GripMode == TsGripMode::gmRightBottom && frameWindow() == w) {
    const int grip = model.FindMask(model.FindSection("GLOBALINFO"), "GLOBALINFO", "GRIPIMAGE");
    const Size g = model.MaskFrameSize(grip);
    const Rect client = w->clientRect();
    if (g.width > 0) DrawMaskImage(target, {client.right - g.width, client.bottom - g.height}, 0, TsCacheView{}, model, grip, MaskOpacity::Opaque);
  }
}

void TsSkinProvider::UpdatePicture() {
  const Window* w = form_.window();
  if (!w || !isSkinned()) return;
  const Size size = frameSize();
  if (SkinData.BackgroundDirty || size != composedSize_ || SkinData.CacheBitmap.size() != size) {
    ComposeWindow();
    return;
  }
  if (captionDirty_) {
    ComposeCaptionLayer();
    return;
  }
  const MenuBar& bar = form_.menuBar();
  if (bar.lineCount() != metrics_.menuLines) {
    // The bar wrapped onto more or fewer lines: the frame around the client area moved.
    ComposeWindow();
    return;
  }
  if (MenuBarLook{bar.selected(), bar.open(), bar.showAccelerators()} != menuLook_) paintMenuBar();
}

void TsSkinProvider::ComposeWindow() {
  if (!isSkinned() || !form_.window()) return;
  measure();
  for (Bitmap& b : backgrounds_) b.resize(0, 0);
  composeBackground(backgrounds_[static_cast<size_t>(state())], state());
  SkinData.CacheBitmap = backgrounds_[static_cast<size_t>(state())];
  composedSize_ = SkinData.CacheBitmap.size();
  paintCaptionLayer();
  SkinData.BackgroundDirty = false;
  captionDirty_ = false;
}

void TsSkinProvider::ComposeCaptionLayer() {
  const Window* w = form_.window();
  if (!isSkinned() || !w) return;
  measure();
  Bitmap& bg = backgrounds_[static_cast<size_t>(state())];
  if (bg.size() != composedSize_) composeBackground(bg, state());
  // The client part stays as composed: the controls took their background from it. A minimised
  // form's bar is all frame.
  const Rect client = frameWindow() == w ? w->clientRect() : Rect{};
  for (const Rect& strip : nonClientStrips(composedSize_, client)) {
    if (!strip.isEmpty()) SkinData.CacheBitmap.copyFrom(bg, strip, strip.left, strip.top);
  }
  paintCaptionLayer();
  captionDirty_ = false;
}

void TsSkinProvider::paintCaptionLayer() {
  const SkinModel& model = SkinData.manager()->model();
  Bitmap& cache = SkinData.CacheBitmap;
  const int w = cache.width();
  const int captionBottom = metrics_.frameHeight + metrics_.captionHeight;
  const int caption = captionSection();
  if (metrics_.captionHeight > 0 && DrawNonClientArea) {
    if (model.IsValidSection(caption)) {
      const TsCacheView view{.Bitmap = &backgrounds_[static_cast<size_t>(state())], .FillColor = model.GlobalColor(), .Ready = true};
      PaintSection(model, caption, view, -1, -1, cache, {0, 0}, Rect{0, 0, w, captionBottom}, state(), CentreFill::Yes);
    }
    if (metrics_.iconShown) {
      Canvas c(cache);
      paintIcon(c);
    }
    const int titleBar = model.FindMask(SkinData.sectionIndex(), SkinData.skinSection(), "TITLEBAR");
    if (model.IsValidMask(titleBar) && buttons_.totalWidth() > 0) {
      const int band = buttons_.totalWidth() + model.MaskFrameSize(titleBar).width / 3;
      DrawBorderMask(cache, Rect{w - metrics_.frameWidth - band, 0, w - metrics_.frameWidth, captionBottom}, CentreFill::Yes,
                     CornersFromParent::No, state(), model, titleBar, TsCacheView{});
    }
  }
  paintMenuBar();
  if (metrics_.captionHeight > 0 && DrawNonClientArea) {
    // The caption behind the buttons, for redrawing one button at a time.
    stripRect_ = {};
    for (const CaptionButton& b : buttons_.buttons) {
      if (b.exists) stripRect_ = stripRect_.isEmpty() ? b.rect : stripRect_.united(b.rect);
    }
    stripRect_ = stripRect_.intersected(cache.bounds());
    strip_ = stripRect_.isEmpty() ? Bitmap() : cache.copy(stripRect_);
    for (int i = 0; i < kCaptionButtonCount; ++i) drawButton(i);
    paintCaptionText();
  }
}

void TsSkinProvider::paintIcon(Canvas& c) {
  const SkinModel& model = SkinData.manager()->model();
  const Size size = metrics_.iconSize;
  if (size.width <= 0 || size.height <= 0) return;
  // The form's icon, else the application's, in the icon size at the icon rectangle.
  const Icon& icon = !form_.icon().isEmpty() || !TApplication::exists() ? form_.icon() : Application().icon();
  const Bitmap& picture = icon.at(std::max(size.width, size.height));
  if (picture.isEmpty()) return;
  const Rect r = Rect::fromSize(metrics_.frameWidth + model.SkinData.BILeft, (metrics_.captionHeight + metrics_.frameHeight - size.height) / 2,
                                size.width, size.height);
  c.alphaBlend(r, picture, picture.bounds(), 255, AlphaSource::PerPixel);
}

void TsSkinProvider::paintCaptionText() {
  const std::string& text = form_.window()->text();
  if (text.empty()) return;
  TsSkinManager* manager = SkinData.manager();
  const SkinModel& model = manager->model();
  Bitmap& cache = SkinData.CacheBitmap;
  Rect r{(metrics_.iconShown ? metrics_.iconSize.width : 0) + metrics_.frameWidth + model.SkinData.BILeft + 4, metrics_.frameHeight,
         cache.width() - buttons_.totalWidth() - 6, metrics_.captionHeight};
  if (r.isEmpty()) return;
  Canvas c(cache);
  Font f = form_.font();
  f.style |= fsBold;
  f.height = captionFont().height;
  c.setFont(f);
  const int textHeight = c.textExtent(text).height;
  r.top += (r.height() - textHeight) / 2;
  r.bottom = r.top + textHeight;
  unsigned format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (CaptionAlignment == TsCaptionAlignment::taCenter) format |= DT_CENTER;
  if (CaptionAlignment == TsCaptionAlignment::taRightJustify) format |= DT_RIGHT;
  const int caption = captionSection();
  if (model.IsValidSection(caption)) {
    WriteSectionText(c, text, form_.enabled(), manager, formActive_, caption, format, r);
  } else {
    // No caption section: the text in the form section's colours.
    WriteSectionText(c, text, form_.enabled(), manager, formActive_, SkinData.sectionIndex(), format, r);
  }
}

void TsSkinProvider::paintMenuBar() {
  MenuBar& bar = form_.menuBar();
  menuLook_ = {bar.selected(), bar.open(), bar.showAccelerators()};
  if (metrics_.menuLineHeight <= 0) return;
  TsSkinManager* manager = SkinData.manager();
  const SkinModel& model = manager->model();
  Bitmap& cache = SkinData.CacheBitmap;
  const int top = metrics_.frameHeight + metrics_.captionHeight;
  // The section spans the whole window width, over the frame's sides, under every line of items.
  const Rect line{0, top, cache.width(), top + metrics_.menuLines * metrics_.menuLineHeight};
  const int section = menuLineSection();
  const Bitmap& bg = backgrounds_[static_cast<size_t>(state())];
  if (bg.size() == cache.size()) cache.copyFrom(bg, line, line.left, line.top);
  if (model.IsValidSection(section)) {
    const TsCacheView view{.Bitmap = &bg, .FillColor = model.GlobalColor(), .Ready = bg.size() == cache.size()};
    PaintSection(model, section, view, -1, -1, cache, {0, 0}, line, state(), CentreFill::Yes);
  }
  Canvas c(cache);
  c.intersectClip(line);
  c.setFont(systemFont());
  c.setBackgroundMode(BackgroundMode::Transparent);
  const std::vector<TMenuItem*> items = bar.items();
  SkinMenuSkinner* skinner = manager->menuSkinner();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    TMenuItem& item = *items[static_cast<size_t>(i)];
    const Rect r = bar.itemRect(i);
    if (r.isEmpty()) continue;
    const MenuBarItemState itemState{.selected = i == bar.selected(), .open = i == bar.selected() && bar.open(),
                                     .showAccelerators = bar.showAccelerators()};
    Canvas::StateSaver saver(c);
    if (skinner && skinner->drawBarItem(item, c, r, itemState)) continue;
    // Plainly: the caption in the skin's menu colours, the chosen item on the highlight colour.
    // An item that is not chosen takes the line's font colour whether the form is active or not,
    // as the menu skinner draws it; hot colours belong to the chosen item, which has its own.
    Color text = model.GlobalFontColor();
    if (model.IsValidSection(section)) text = resolveColor(model.Sections[static_cast<size_t>(section)].FontColor[0]);
    if (itemState.selected) {
      c.fillRect(r, model.MenuHighlightColor());
      text = model.MenuHighlightTextColor();
    }
    if (!item.enabled()) text = BlendColors(text, model.GlobalColor(), 0.4);
    c.setTextColor(text);
    c.drawText(item.caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | (bar.showAccelerators() ? 0u : DT_HIDEPREFIX));
  }
}

void TsSkinProvider::drawButton(int index) {
  const CaptionButton& b = buttons_.buttons[static_cast<size_t>(index)];
  if (!b.exists) return;
  const SkinModel& model = SkinData.manager()->model();
  if (!model.IsValidMask(b.MaskIndex)) return;  // no picture: the button answers the mouse only
  const bool blended = !b.enabled || (!formActive_ && b.State == 0);
  DrawMaskImage(SkinData.CacheBitmap, b.rect.topLeft(), b.State, TsCacheView{}, model, b.MaskIndex,
                blended ? MaskOpacity::Blended : MaskOpacity::Opaque);
}

void TsSkinProvider::RedrawButton(int index) {
  const CaptionButton& b = buttons_.buttons[static_cast<size_t>(index)];
  if (!b.exists || !isSkinned() || SkinData.CacheBitmap.size() != composedSize_ || strip_.isEmpty()) return;
  const Rect r = b.rect.intersected(stripRect_);
  if (r.isEmpty()) return;
  SkinData.CacheBitmap.copyFrom(strip_, r.offsetBy(-stripRect_.left, -stripRect_.top), r.left, r.top);
  drawButton(index);
  copyToWindow(r);
}

void TsSkinProvider::copyToWindow(const Rect& r) {
  Window* w = frameWindow();
  if (!w || !w->isShowing() || !w->redrawEnabled()) return;
  auto dc = WindowSystem::instance().getWindowDC(*w);
  Canvas& c = dc->canvas();
  c.intersectClip(r);
  c.excludeClip(w->clientRect());
  c.drawBitmap(r.topLeft(), SkinData.CacheBitmap, r);
}

void TsSkinProvider::updateRegion() {
  regionDirty_ = false;
  const Window* form = form_.window();
  Window* w = frameWindow();
  if (!w) return;
  const bool shaped = isSkinned() && (metrics_.hasBorder || form->isMinimized());
  if (!shaped) {
    if (w->windowRegion()) w->setWindowRegion(std::nullopt, Redraw::No);
    return;
  }
  const SkinModel& model = SkinData.manager()->model();
  const int caption = captionSection();
  const int captionMask = model.IsValidSection(caption) ? model.Sections[static_cast<size_t>(caption)].BorderMask : -1;
  const Size size = w->bounds().size();
  w->setWindowRegion(frameRegion(frameCutRects(model, SkinData.borderMaskIndex(), captionMask, size), size), Redraw::No);
}

void TsSkinProvider::paintNonClient(const Region* limit) {
  Window* w = frameWindow();
  if (regionDirty_) updateRegion();
  UpdatePicture();
  if (SkinData.CacheBitmap.isEmpty()) return;
  auto dc = WindowSystem::instance().getWindowDC(*w);
  Canvas& c = dc->canvas();
  if (limit) c.setClipRegion(c.clipRegion().intersected(*limit));
  c.excludeClip(w->clientRect());
  c.drawBitmap({0, 0}, SkinData.CacheBitmap);
}

void TsSkinProvider::printNonClient(Canvas& canvas) {
  Window* w = form_.window();
  UpdatePicture();
  if (SkinData.CacheBitmap.isEmpty()) return;
  Canvas::StateSaver saver(canvas);
  canvas.excludeClip(w->clientRect());
  canvas.drawBitmap({0, 0}, SkinData.CacheBitmap);
}

bool TsSkinProvider::eraseClient(Canvas& canvas) {
  Window* w = form_.window();
  const Rect client = w->clientRect();
  if (SkinData.simpleFill()) {
    const TsGeneralData& s = *SkinData.section();
    const Color c = SkinData.customColor() ? form_.color() : (formActive_ ? s.HotColor : s.Color);
    canvas.fillRect(Rect::fromSize(0, 0, client.width(), client.height()), resolveColor(c));
    return true;
  }
  UpdatePicture();
  if (SkinData.CacheBitmap.isEmpty()) return false;
  CopyCacheAroundWindows(*w, SkinData.CacheBitmap, client.topLeft(), canvas, Rect::fromSize(0, 0, client.width(), client.height()),
                         &SkinData.manager()->model());
  return true;
}

bool TsSkinProvider::paintClient(Window& w) {
  if (!isSkinned() || SkinData.simpleFill() || form_.isDestroying()) return false;
  PaintScope scope = WindowSystem::instance().beginPaint(w);
  Canvas& c = scope.canvas();
  c.setFont(form_.font());
  if (form_.OnPaint) form_.OnPaint(form_, c);
  // The children show the client part of the cache around them, as the erase put it on screen.
  windowless_.paintOverCache(form_, c, SkinData.CacheBitmap, w.clientRect().topLeft());
  return true;
}

void TsSkinProvider::answerBackground(LParam param) {
  auto* info = reinterpret_cast<TsBackgroundInfo*>(param);
  if (!info) return;
  Window* w = form_.window();
  if (!isSkinned() || !w) {
    info->Kind = BackgroundKind::Color;
    info->Color = resolveColor(form_.color());
    return;
  }
  if (SkinData.simpleFill() || SkinData.customColor()) {
    const TsGeneralData& s = *SkinData.section();
    info->Kind = BackgroundKind::Color;
    info->Color = resolveColor(SkinData.customColor() ? form_.color() : (formActive_ ? s.HotColor : s.Color));
    if (info->PaintInto && info->TargetDC) info->TargetDC->fillRect(info->Rect, info->Color);
    return;
  }
  UpdatePicture();
  const Point off = w->clientRect().topLeft();
  info->Kind = BackgroundKind::Bitmap;
  if (info->PaintInto && info->TargetDC) {
    info->TargetDC->drawBitmap(info->Rect.topLeft(), SkinData.CacheBitmap,
                               Rect::fromSize(off.x + info->OffsetX, off.y + info->OffsetY, info->Rect.width(), info->Rect.height()));
  } else {
    info->Bitmap = &SkinData.CacheBitmap;
    info->OffsetX = off.x;
    info->OffsetY = off.y;
  }
}

std::unique_ptr<SkinChangeAnimation> TsSkinProvider::prepareSkinChange() {
  Window* w = form_.window();
  if (!w || !w->isShowing()) return nullptr;
  return std::make_unique<SkinChangeFade>(*w);
}

}  // namespace tavra
