#include "skin/menus/TsSkinableMenus.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "framework/core/ImageList.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuTracker.h"
#include "framework/menus/PopupMenu.h"
#include "framework/menus/PopupMenuWindow.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/primitives/MaskCornerRuns.h"
#include "skin/menus/MenuBackgroundCache.h"
#include "skin/menus/MenuWindowAdapter.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/primitives/UpwardText.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

constexpr int kBarItemPadding = 6;  // blank on each side of a bar item's text

// The skinner's handlers: functors, so that the skinner recognises the ones it installed.
struct SkinnerMeasure {
  TsSkinableMenus* owner;
  bool bar;
  void operator()(TMenuItem& item, Canvas& canvas, int& width, int& height) const {
    if (bar) owner->MeasureBarItem(item, canvas, width, height);
    else owner->MeasureMenuItem(item, canvas, width, height);
  }
};

struct SkinnerDraw {
  TsSkinableMenus* owner;
  bool bar;
  void operator()(TMenuItem& item, Canvas& canvas, Rect rect, TOwnerDrawState state) const {
    if (bar) owner->DrawBarItem(item, canvas, rect, state);
    else owner->DrawMenuItem(item, canvas, rect, state);
  }
};

template <typename Functor, typename Event>
bool installedBy(const Event& event, const TsSkinableMenus* owner) {
  const Functor* f = event.template target<Functor>();
  return f && f->owner == owner;
}

void walkComponents(const TComponent& component, const std::function<void(TComponent&)>& visit) {
  for (TComponent* child : component.components()) {
    visit(*child);
    walkComponents(*child, visit);
  }
}

}  // namespace

TsSkinableMenus::TsSkinableMenus(TsSkinManager& manager) : manager_(manager) {}

TsSkinableMenus::~TsSkinableMenus() {
  // Menus that outlive the skinner must not keep its handlers; while the application is being
  // destroyed nothing draws any more and its components may be half gone.
  if (active_ && TApplication::exists() && !Application().isDestroying()) ApplyToMenus(false);
}

bool TsSkinableMenus::skinActive() const { return manager_.model().SkinData.Active; }

SkinModel& TsSkinableMenus::model() const { return manager_.model(); }

int TsSkinableMenus::SkinBorderWidth() {
  if (skinBorderWidth_ < 0) {
    const SkinModel& m = model();
    const int section = m.FindSection("MAINMENU");
    const int mask = m.FindMask(section, "MAINMENU", "BORDERSMASK");
    if (!m.IsValidMask(mask)) {
      skinBorderWidth_ = 0;
    } else {
      const int width = m.Masks[static_cast<size_t>(mask)].BorderWidth;
      skinBorderWidth_ = width > 0 ? width : 3;
    }
  }
  return skinBorderWidth_;
}

void TsSkinableMenus::resetBorderWidth() {
  skinBorderWidth_ = -1;
  // Pictures composed from the skin that is going away are of no use any more.
  MenuBackgroundCache::instance().clear();
}

void TsSkinableMenus::setActive(bool value) {
  if (value == active_) return;
  ApplyToMenus(value);
}

// --- Installing the handlers -----------------------------------------------------------------

void TsSkinableMenus::ApplyToMenus(bool active) {
  active_ = active;
  if (manager_.isDesigning() || !TApplication::exists()) return;
  walkComponents(Application(), [&](TComponent& c) {
    if (auto* menu = dynamic_cast<TMenu*>(&c)) {
      applyToMenu(*menu, active);
    } else if (auto* item = dynamic_cast<TMenuItem*>(&c); item && !item->GetParentMenu() && !item->parentItem()) {
      installPopupHandlers(*item, active && manager_.skinnedPopups());
    }
  });
}

void TsSkinableMenus::applyToMenu(TMenu& menu, bool active) {
  const bool popups = active && manager_.skinnedPopups();
  if (dynamic_cast<TMainMenu*>(&menu)) {
    if (active && !manager_.skinnedPopups()) return;
    installBarHandlers(menu, active && skinActive());
    TMenuItem& root = menu.Items();
    for (int i = 0; i < root.count(); ++i) installPopupHandlers(*root.items(i), popups);
    if (!menu.isDestroying()) menu.setOwnerDraw(active);
    return;
  }
  installPopupHandlers(menu.Items(), popups);
  menu.setOwnerDraw(active);
}

void TsSkinableMenus::installPopupHandlers(TMenuItem& parent, bool install) {
  for (int i = 0; i < parent.count(); ++i) {
    TMenuItem& item = *parent.items(i);
    if (install) {
      if (!item.OnMeasureItem) item.OnMeasureItem = SkinnerMeasure{this, false};
      if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = SkinnerDraw{this, false};
    } else {
      if (installedBy<SkinnerMeasure>(item.OnMeasureItem, this)) item.OnMeasureItem = nullptr;
      if (installedBy<SkinnerDraw>(item.OnAdvancedDrawItem, this)) item.OnAdvancedDrawItem = nullptr;
    }
    installPopupHandlers(item, install);
  }
}

void TsSkinableMenus::installBarHandlers(TMenu& menu, bool install) {
  TMenuItem& root = menu.Items();
  for (int i = 0; i < root.count(); ++i) {
    TMenuItem& item = *root.items(i);
    if (install) {
      item.OnMeasureItem = SkinnerMeasure{this, true};
      item.OnAdvancedDrawItem = SkinnerDraw{this, true};
    } else {
      if (installedBy<SkinnerMeasure>(item.OnMeasureItem, this)) item.OnMeasureItem = nullptr;
      if (installedBy<SkinnerDraw>(item.OnAdvancedDrawItem, this)) item.OnAdvancedDrawItem = nullptr;
    }
  }
  menu.itemsChanged();
}

// --- Measuring -------------------------------------------------------------------------------

Font TsSkinableMenus::menuFont(const TMenuItem& item) const {
  Font f = systemFont();
  for (const TComponent* c = &item; c; c = c->owner()) {
    if (auto* form = dynamic_cast<const TCustomForm*>(c)) {
      f.charset = form->font().charset;
      break;
    }
  }
  if (item.isDefault()) f.style |= fsBold;
  return f;
}

void TsSkinableMenus::MeasureBarItem(TMenuItem& item, Canvas& canvas, int& width, int& height) {
  Canvas::StateSaver saver(canvas);
  canvas.setFont(systemFont());
  height = systemMetric(Metric::MenuBarHeight) - 1;
  width = canvas.textWidth(withoutAmpersands(item.caption()));
  const TMenu* menu = item.GetParentMenu();
  if (menu && menu->images() && item.imageIndex() >= 0) width += menu->images()->width() + 6;
  // The bar keeps a blank on each side of an item's text, as it does for its own items.
  width += 2 * kBarItemPadding;
}

void TsSkinableMenus::MeasureMenuItem(TMenuItem& item, Canvas& canvas, int& width, int& height) {
  if (item.isDestroying()) return;
  TMenuItem* parent = item.parentItem();
  TMenuItem* first = parent && parent->count() > 0 ? parent->items(0) : &item;
  MenuBackground* entry = MenuBackgroundCache::instance().find(first);
  bool extraLine = entry ? entry->extraLine : false;
  if (!entry && !gettingExtraLine_ && !manager_.isDesigning()) extraLine = extraLineData(*first).visible;

  Canvas::StateSaver saver(canvas);
  canvas.setFont(menuFont(item));
  const TsMenuItemType kind = menuItemKind(item.caption());
  std::string text;
  if (kind == smCaption) text = "-" + item.caption() + "-";
  else if (kind == smNormal) text = item.caption() + item.shortCutText();
  Rect r;
  canvas.drawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
  const Size glyph = menuGlyphSize(item);
  width = 2 * glyph.width + r.width() + 3 * Margin + Spacing;
  if (extraLine && manager_.MenuSupport.UseExtraLine && inFirstColumn(item)) width += manager_.MenuSupport.ExtraLineWidth;
  const int lineHeight = static_cast<int>(std::lround(1.25 * canvas.textExtent("W").height));
  if (kind == smDivider) height = 2;
  else if (kind == smCaption) height = lineHeight + 2 * Margin;
  else height = std::max(lineHeight, glyph.height) + 2 * Margin;
}

Size TsSkinableMenus::menuWindowSize(TMenuItem& parent) {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  int total = 0, column = 0, columnHeight = 0, height = 0;
  for (TMenuItem* item : parent.visibleItems()) {
    if (item->breakKind() != TMenuBreak::mbNone && (column > 0 || columnHeight > 0)) {
      total += column + 4;
      column = 0;
      columnHeight = 0;
    }
    int w = 0, h = 0;
    item->MeasureItem(c, w, h, false);
    column = std::max(column, w + 12);
    columnHeight += h;
    height = std::max(height, columnHeight);
  }
  return {total + column + 2 * BorderWidth, height + 2 * BorderWidth};
}

int TsSkinableMenus::ExtraLineWidthOf(const TMenuItem* firstItem) {
  if (!manager_.MenuSupport.UseExtraLine) return 0;
  const MenuBackground* entry = MenuBackgroundCache::instance().find(firstItem);
  return entry && entry->extraLine ? manager_.MenuSupport.ExtraLineWidth : 0;
}

TsSkinableMenus::ExtraLine TsSkinableMenus::extraLineData(TMenuItem& first) {
  ExtraLine line;
  if (first.name() == "SkinSelectItem") return line;
  line.caption = "Use OnGetExtraLineData event";
  line.visible = true;
  if (manager_.OnGetMenuExtraLineData) {
    gettingExtraLine_ = true;
    try {
      manager_.OnGetMenuExtraLineData(&first, line.section, line.caption, line.glyph, line.visible);
    } catch (...) {
      gettingExtraLine_ = false;
      throw;
    }
    gettingExtraLine_ = false;
  }
  line.caption = withoutAmpersands(line.caption);
  if (!line.visible) line.glyph = Bitmap();
  return line;
}

// --- The menu background ---------------------------------------------------------------------

MenuBackground& TsSkinableMenus::BuildMenuBackground(TMenuItem& first, int width, int height, Window* window) {
  ExtraLine line;
  if (!manager_.isDesigning()) line = extraLineData(first);
  MenuBackgroundCache& cache = MenuBackgroundCache::instance();
  auto background = std::make_unique<Bitmap>(std::max(width, 1), std::max(height, 1), PixelFormat::Bits24);
  Bitmap& b = *background;
  b.fill(0xFFFFFFFFu);
  cache.glyphWidth = menuGlyphSize(first).width;
  cache.iconColumnWidth = Margin + cache.glyphWidth + Spacing;

  const SkinModel& m = model();
  const int section = m.FindSection("MAINMENU");
  const int borderMask = m.FindMask(section, "MAINMENU", "BORDERSMASK");
  const bool extraShown = manager_.MenuSupport.UseExtraLine && line.visible;
  if (m.IsValidSection(section)) {
    const int sbw = SkinBorderWidth();
    const int extra = extraShown ? manager_.MenuSupport.ExtraLineWidth : 0;
    const TsCacheView self{.Bitmap = &b, .X = 0, .Y = 0, .FillColor = clFuchsia, .Ready = true};
    PaintSectionBackground(m, section, self, clFuchsia, -1, -1, ClippedRows(b), {0, 0}, b.bounds(), 0);
    const int icoLine = m.FindSection(manager_.MenuSupport.IcoLineSkin);
    if (m.IsValidSection(icoLine) && b.height() > 2 * sbw) {
      Bitmap column(cache.iconColumnWidth, b.height() - 2 * sbw, PixelFormat::Bits24);
      const Point at{extra + sbw, sbw};
      PaintSection(m, icoLine, self, -1, -1, ClippedRows(column), at, column.bounds(), 0, CentreFill::Yes);
      CopyBitmap(ClippedRows(b), column, at);
    }
    if (m.IsValidMask(borderMask)) {
      const Bitmap copy = b;
      const TsCacheView under{.Bitmap = &copy, .X = 0, .Y = 0, .FillColor = clFuchsia, .Ready = true};
      DrawBorderMask(ClippedRows(b), b.bounds(), CentreFill::No, CornersFromParent::Yes, 0, m, borderMask, under);
    }
    const int extraSection = m.FindSection(line.section);
    if (extraShown && m.IsValidSection(extraSection) && b.height() > 2 * sbw) {
      Bitmap band(manager_.MenuSupport.ExtraLineWidth, b.height() - 2 * sbw, PixelFormat::Bits24);
      PaintSection(m, extraSection, self, -1, -1, ClippedRows(band), {sbw, sbw}, band.bounds(), 0, CentreFill::Yes);
      int textBottom = band.height() - 12;
      if (!line.glyph.isEmpty()) {
        Canvas bc(band);
        const Point at{(band.width() - line.glyph.width()) / 2, band.height() - 12 - line.glyph.height()};
        if (line.glyph.transparent) bc.drawBitmapTransparent(Rect::fromSize(at, line.glyph.size()), line.glyph, line.glyph.bounds(), line.glyph.transparentColor);
        else bc.drawBitmap(at, line.glyph);
        bc.syncPixels();
        textBottom = band.height() - line.glyph.height() - 20;
      }
      if (!line.caption.empty()) {
        Font f = manager_.MenuSupport.ExtraLineFont;
        f.style &= ~static_cast<unsigned>(fsBold);
        Bitmap probe(1, 1);
        Canvas measure(probe);
        measure.setFont(f);
        const int textHeight = measure.textExtent(line.caption).height;
        drawTextUpwards(band, line.caption, {(band.width() - textHeight) / 2, textBottom}, f,
                        m.Sections[static_cast<size_t>(extraSection)].FontColor[0]);
      }
      CopyBitmap(ClippedRows(b), band, {sbw, sbw});
    }
  }

  cornerRects_.clear();
  if (m.IsValidSection(section)) cornerRects_ = transparentCornerRuns(m, borderMask, {width, height});
  if (window) SetMenuRegion(*window, b);
  return cache.add(MenuBackground{.firstItem = &first,
                                   .bitmap = std::move(background),
                                   .window = window ? window->handle() : 0,
                                   .extraLine = line.visible});
}

void TsSkinableMenus::SetMenuRegion(Window& window, const Bitmap& background) {
  if (drawingBorder_) return;
  // Windows closed since are forgotten, so that the list stays as short as the open menus.
  std::erase_if(subclassed_, [&](WindowHandle h) { return !window.system().find(h); });
  if (subclassed_.insert(window.handle()).second) {
    auto previous = std::make_shared<WindowProc>();
    std::weak_ptr<TsSkinableMenus*> self = alive_;
    *previous = window.setProc([self, previous](Window& w, MessageId msg, WParam wp, LParam lp) -> LResult {
      switch (msg) {
        case WM_ERASEBKGND:
        case WM_NCPAINT:
          return 1;
        case WM_DESTROY:
          MenuBackgroundCache::instance().clear();
          break;
        case WM_PAINT: {
          const LResult result = *previous ? (*previous)(w, msg, wp, lp) : 0;
          if (auto skinner = self.lock()) (*skinner)->paintScrollBands(w);
          return result;
        }
        default:
          break;
      }
      return *previous ? (*previous)(w, msg, wp, lp) : w.system().defWindowProc(w, msg, wp, lp);
    });
  }
  if (background.isEmpty()) return;
  if (window.send(SM_SKINCMD, makeWParam(0, MenuWindowAdapter::kFrameTakenQuery), 0) != 0) return;
  window.send(SM_SKINCMD, makeWParam(0, MenuWindowAdapter::kTakeFrame), 0);
  drawingBorder_ = true;
  Region shape(background.bounds());
  if (cornerRects_.empty()) shape.subtract(Rect::fromSize(0, 0, 1, 1));
  for (const Rect& r : cornerRects_) shape.subtract(r);
  window.setWindowRegion(shape, Redraw::Yes);
  drawingBorder_ = false;
}

// --- Popup windows ---------------------------------------------------------------------------

Window* TsSkinableMenus::windowShowing(const TMenuItem& item) const {
  MenuTracker* tracker = MenuTracker::active();
  if (!tracker) return nullptr;
  for (int i = 0; i < tracker->depth(); ++i) {
    PopupMenuWindow* level = tracker->level(i);
    const auto& items = level->items();
    if (std::find(items.begin(), items.end(), &item) != items.end()) return &level->window();
  }
  return nullptr;
}

Window* TsSkinableMenus::popupWindowOfItem(LParam item) {
  const auto* menuItem = reinterpret_cast<const TMenuItem*>(item);
  return menuItem ? windowShowing(*menuItem) : nullptr;
}

void TsSkinableMenus::takePopupWindow(Window& popup) {
  MenuTracker* tracker = MenuTracker::active();
  if (!tracker || !skinActive()) return;
  for (int i = 0; i < tracker->depth(); ++i) {
    PopupMenuWindow* level = tracker->level(i);
    if (&level->window() != &popup || level->items().empty()) continue;
    backgroundOf(*level->items().front(), &popup);
    return;
  }
}

MenuBackground* TsSkinableMenus::backgroundOf(TMenuItem& item, Window* window) {
  TMenuItem* parent = item.parentItem();
  TMenuItem* first = parent && parent->count() > 0 ? parent->items(0) : &item;
  MenuBackgroundCache& cache = MenuBackgroundCache::instance();
  if (MenuBackground* entry = cache.find(first)) {
    if (!window || entry->window == window->handle()) return entry;
    if (entry->window == 0 && entry->bitmap->size() == window->bounds().size()) {
      // Composed before its window was known: the window takes it now.
      entry->window = window->handle();
      SetMenuRegion(*window, *entry->bitmap);
      return entry;
    }
    // Made for another window or another size: composed again for this one.
    cache.remove(first);
  }
  const Size size = window ? window->bounds().size() : (parent ? menuWindowSize(*parent) : Size{});
  if (size.width <= 0 || size.height <= 0) return nullptr;
  BuildMenuBackground(*first, size.width, size.height, window);
  return cache.find(first);
}

}  // namespace tavra
