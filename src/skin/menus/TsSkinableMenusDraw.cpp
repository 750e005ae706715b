// The drawing half of the menu skinner: popup items over the menu background, separators,
// caption items, the frame strips and scroll bands of the popup window, and menu bar items.
#include <algorithm>

#include "framework/core/Form.h"
#include "framework/core/ImageList.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuTracker.h"
#include "framework/menus/PopupMenuWindow.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BindingPainting.h"
#include "skin/menus/MenuBackgroundCache.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/menus/SystemMenuGlyph.h"
#include "skin/menus/TsSkinableMenus.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

constexpr int kGapInset = 6;      // the gaps copied below the items stop this far above the bottom
constexpr int kColumnDivider = 4; // between the columns of a menu with breaks
constexpr int kShortCutInset = 8; // between a shortcut and the item's right end

TsCacheView viewOf(const Bitmap& background) {
  return TsCacheView{.Bitmap = &background, .X = 3, .Y = 3, .FillColor = clFuchsia, .Ready = true};
}

// Copies `part` of the background (window coordinates) to `at` of the canvas.
void copyPart(Canvas& canvas, const Bitmap& background, Point at, const Rect& part) {
  const Rect source = part.intersected(background.bounds());
  if (source.isEmpty()) return;
  canvas.drawBitmap({at.x + source.left - part.left, at.y + source.top - part.top}, background, source);
}

unsigned alignmentFlag(TAlignment a) {
  switch (a) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

bool isHot(TMenuItem& item, TOwnerDrawState state) {
  return item.enabled() && (state & (odSelected | odHotLight)) != 0;
}

Color sectionFontColor(const SkinModel& model, int section, bool hot) {
  if (!model.IsValidSection(section)) return 0;
  const TsGeneralData& s = model.Sections[static_cast<size_t>(section)];
  return hot ? s.HotFontColor[0] : s.FontColor[0];
}

}  // namespace

// --- Popup items -----------------------------------------------------------------------------

void TsSkinableMenus::DrawMenuItem(TMenuItem& item, Canvas& canvas, Rect rect, TOwnerDrawState state) {
  if (item.isDestroying() || !skinActive()) return;
  TMenuItem* parent = item.parentItem();
  TMenuItem* first = parent && parent->count() > 0 ? parent->items(0) : &item;
  const int extra = inFirstColumn(item) ? ExtraLineWidthOf(first) : 0;
  Window* window = windowShowing(item);
  MenuBackground* entry = backgroundOf(item, window);
  const Bitmap* background = entry ? entry->bitmap.get() : nullptr;
  if (window && background) {
    drawFrameStrips(item, *window, *background, rect, extra);
  } else if (!window && TsSkinManager::DefaultManager()) {
    // The window is not known here: the manager's application window finds it.
    if (Window* app = TsSkinManager::DefaultManager()->applicationWindow();
        app && !app->system().hasPosted(app->handle(), kMenuItemDrawnMessage)) {
      app->system().post(*app, kMenuItemDrawnMessage, 0, reinterpret_cast<LParam>(&item));
    }
  }
  switch (menuItemKind(item.caption())) {
    case smDivider: drawSeparator(canvas, rect, background, extra); break;
    case smCaption: drawCaptionItem(item, canvas, rect, background, extra); break;
    default: drawNormalItem(item, canvas, rect, state, background, extra); break;
  }
}

void TsSkinableMenus::drawFrameStrips(TMenuItem& item, Window& window, const Bitmap& background, const Rect& rect, int extra) {
  auto dc = window.system().getWindowDC(window);
  Canvas& c = dc->canvas();
  const std::vector<TMenuItem*> visible = item.parentItem() ? item.parentItem()->visibleItems() : std::vector<TMenuItem*>{};
  const int w = background.width(), h = background.height(), bw = BorderWidth;
  if (!visible.empty() && visible.front() == &item) copyPart(c, background, {0, 0}, {0, 0, w, bw});
  if (!visible.empty() && visible.back() == &item) copyPart(c, background, {0, h - bw}, {0, h - bw, w, h});
  const int top = bw + rect.top;
  const int left = extra + std::max(SkinBorderWidth(), bw);
  copyPart(c, background, {0, top}, {0, top, left, top + rect.height()});
  copyPart(c, background, {w - bw, top}, {w - bw, top, w, top + rect.height()});
}

void TsSkinableMenus::drawSeparator(Canvas& canvas, const Rect& rect, const Bitmap* background, int extra) {
  const SkinModel& m = model();
  const int section = m.FindSection("DIVIDERV");
  const int mask = m.FindMask(section, "DIVIDERV", "BORDERSMASK");
  if (!m.IsValidSection(section) || !m.IsValidMask(mask)) {
    // An etched line: grey at the top and left, white at the bottom and right.
    canvas.fillRect({rect.left, rect.top, rect.right, rect.top + 1}, 0x808080);
    canvas.fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, 0x808080);
    canvas.fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, 0xFFFFFF);
    canvas.fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, 0xFFFFFF);
    return;
  }
  Bitmap b(rect.width(), rect.height(), PixelFormat::Bits24);
  if (background) {
    Canvas bc(b);
    copyPart(bc, *background, {0, 0}, rect.offsetBy(3, 3));
    bc.syncPixels();
  }
  int x0 = extra + Margin + Spacing;
  const int column = MenuBackgroundCache::instance().iconColumnWidth;
  if (x0 < extra + column) x0 = extra + column + 2;
  const Bitmap copy = b;
  const TsCacheView self{.Bitmap = &copy, .X = 0, .Y = 0, .FillColor = clFuchsia, .Ready = true};
  DrawBorderMask(ClippedRows(b), {x0, 0, rect.width() - Margin, rect.height()}, CentreFill::Yes, CornersFromParent::Yes, 0, m, mask, self);
  canvas.drawBitmap(rect.topLeft(), b);
}

void TsSkinableMenus::drawCaptionItem(TMenuItem& item, Canvas& canvas, const Rect& rect, const Bitmap* background, int extra) {
  const SkinModel& m = model();
  Bitmap b(rect.width(), rect.height(), PixelFormat::Bits24);
  b.fill(0xFFFFFFFFu);
  {
    Canvas bc(b);
    if (background) copyPart(bc, *background, {0, 0}, rect.offsetBy(3, 3));
    bc.syncPixels();
  }
  const int toolbar = m.FindSection("TOOLBAR");
  if (m.IsValidSection(toolbar) && background) {
    PaintSection(m, toolbar, viewOf(*background), -1, -1, ClippedRows(b), {extra + rect.left, rect.top},
                 {extra + 1, 1, rect.width() - 1, rect.height() - 1}, 0, CentreFill::Yes);
  }
  {
    Canvas bc(b);
    bc.setFont(CaptionFont);
    WriteSectionText(bc, captionItemTitle(item.caption()), true, &manager_, false, toolbar,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX, {extra, 0, rect.width(), rect.height()});
    bc.syncPixels();
  }
  canvas.drawBitmap(rect.topLeft(), b);
}

void TsSkinableMenus::drawNormalItem(TMenuItem& item, Canvas& canvas, const Rect& rect, TOwnerDrawState state,
                                     const Bitmap* background, int extra) {
  const SkinModel& m = model();
  TMenuItem* parent = item.parentItem();
  const std::vector<TMenuItem*> visible = parent ? parent->visibleItems() : std::vector<TMenuItem*>{};
  const auto at = std::find(visible.begin(), visible.end(), &item);
  const bool last = at != visible.end() && at + 1 == visible.end();
  const TMenuItem* next = at != visible.end() && at + 1 != visible.end() ? *(at + 1) : nullptr;
  if (background) {
    const int bottom = background->height() - kGapInset;
    if ((next && next->breakKind() != TMenuBreak::mbNone) || (last && rect.bottom < bottom)) {
      copyPart(canvas, *background, {rect.left, rect.bottom}, Rect{rect.left, rect.bottom, rect.right, bottom}.offsetBy(3, 3));
    }
    if (item.breakKind() != TMenuBreak::mbNone) {
      copyPart(canvas, *background, {rect.left - kColumnDivider, 0},
               Rect::fromSize(rect.left - 1, rect.top + 3, kColumnDivider, background->height() - kGapInset));
    }
  }

  Bitmap itemBitmap(std::max(rect.width() - extra, 1), std::max(rect.height(), 1), PixelFormat::Bits24);
  if (background) {
    Canvas bc(itemBitmap);
    copyPart(bc, *background, {0, 0}, Rect::fromSize(extra + rect.left + 3, rect.top + 3, itemBitmap.width(), itemBitmap.height()));
    bc.syncPixels();
  } else {
    itemBitmap.fill(0xFFFFFFFFu);
  }
  const bool selected = (state & odSelected) != 0;
  const int menuItemSection = m.FindSection("MENUITEM");
  if (m.IsValidSection(menuItemSection)) {
    const TsCacheView view = background ? viewOf(*background) : TsCacheView{.FillColor = clFuchsia};
    PaintSection(m, menuItemSection, view, -1, -1, ClippedRows(itemBitmap), {extra + rect.left, rect.top}, itemBitmap.bounds(),
                 item.enabled() && selected ? 1 : 0, CentreFill::Yes);
  }
  drawItemGlyph(item, itemBitmap, state);

  Canvas ic(itemBitmap);
  ic.setFont(menuFont(item));
  const Size glyph = menuGlyphSize(item);
  Rect text{glyph.width + 2 * Margin + Spacing, 0, rect.width(), rect.height()};
  std::string caption = item.caption();
  unsigned align = alignmentFlag(Alignment);
  if (!caption.empty() && caption.front() == '\b') {
    caption = caption.substr(1) + "      ";
    align = DT_RIGHT;
  }
  unsigned flags = align | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
  if (state & odNoAccel) flags |= DT_HIDEPREFIX;
  const bool hot = isHot(item, state);
  WriteSectionText(ic, caption, true, &manager_, hot, menuItemSection, flags, text);
  if (const std::string keys = item.shortCutText(); !keys.empty()) {
    // The shortcut, right-aligned 8 pixels before the item's right end (the item's picture is
    // the row less the extra line, so the text part's end lies `extra` further left in it).
    Rect measured;
    ic.drawText(keys, measured, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    const int right = text.right - kShortCutInset - extra;
    WriteSectionText(ic, keys, true, &manager_, hot, menuItemSection, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX,
                     {right - measured.width(), 0, right, rect.height()});
  }
  if (item.hasSubmenu()) {
    // The submenu arrow, in the caption's colour.
    const Color ink = sectionFontColor(m, menuItemSection, hot);
    const int x = itemBitmap.width() - 12, y = (itemBitmap.height() - 7) / 2;
    for (int i = 0; i < 4; ++i) ic.fillRect(Rect::fromSize(x + i, y + i, 1, 7 - 2 * i), ink);
  }
  if (OnDrawItem) OnDrawItem(item, ic, itemBitmap.bounds(), state, smNormal);
  ic.syncPixels();

  if (!item.enabled() && background) {
    CopyBlended(ClippedRows(itemBitmap), 0, 0, 0xFFFFFFFFu, 0.4,
                Rect::fromSize(extra + rect.left + 3, rect.top + 3, itemBitmap.width(), itemBitmap.height()), *background);
  }
  canvas.drawBitmap({extra + rect.left, rect.top}, itemBitmap);
  if (background && extra > 0 && !visible.empty() && visible.front() == &item) {
    canvas.drawBitmap({0, 0}, *background, Rect::fromSize(3, 3, extra + 3, background->height()));
  }
}

void TsSkinableMenus::drawItemGlyph(TMenuItem& item, Bitmap& itemBitmap, TOwnerDrawState state) {
  const SkinModel& m = model();
  const bool selected = (state & odSelected) != 0;
  const bool hasBitmap = !item.bitmap().isEmpty();
  TImageList* images = item.images();
  const bool hasImage = !hasBitmap && images && item.imageIndex() >= 0;
  if (item.checked() && !hasBitmap && !hasImage) {
    const int info = m.FindSection("GLOBALINFO");
    int mask = m.FindMask(info, "GLOBALINFO", item.radioItem() ? "RADIOCHECKED" : "CHECK");
    if (!m.IsValidMask(mask)) mask = m.FindMask(info, "GLOBALINFO", "BOXCHECKED");
    if (m.IsValidMask(mask)) {
      const Size frame = m.MaskFrameSize(mask);
      const Bitmap copy = itemBitmap;
      const TsCacheView under{.Bitmap = &copy, .X = 0, .Y = 0, .FillColor = clFuchsia, .Ready = true};
      DrawMaskImage(ClippedRows(itemBitmap), {Margin, (itemBitmap.height() - frame.height) / 2}, selected && item.enabled() ? 1 : 0,
                    under, m, mask, MaskOpacity::Opaque);
    }
  }
  auto checkedFrame = [&](Rect r) {
    const int button = m.FindSection("SPEEDBUTTON_SMALL");
    if (!item.checked() || !m.IsValidSection(button)) return;
    const Bitmap copy = itemBitmap;
    const TsCacheView under{.Bitmap = &copy, .X = 0, .Y = 0, .FillColor = clFuchsia, .Ready = true};
    PaintSection(m, button, under, -1, -1, ClippedRows(itemBitmap), {0, 0}, r.inflatedBy(1, 1), 2, CentreFill::Yes);
  };
  if (hasImage) {
    const int top = (itemBitmap.height() - images->height()) / 2;
    const Rect r = Rect::fromSize(top, top, images->width(), images->height());
    checkedFrame(r);
    Canvas ic(itemBitmap);
    images->draw(ic, r.left, r.top, item.imageIndex(), TImageList::DrawStyle::Normal);
    ic.syncPixels();
    return;
  }
  if (hasBitmap) {
    const Bitmap& g = item.bitmap();
    const int top = (itemBitmap.height() - g.height()) / 2;
    const Rect r = Rect::fromSize(top, top, g.width(), g.height());
    checkedFrame(r);
    if (g.format() == PixelFormat::Bits32) {
      CompositeAlpha(r, g.bounds(), ClippedRows(itemBitmap), g, CompositeAlphaOptions{});
    } else {
      Canvas ic(itemBitmap);
      if (g.transparent) ic.drawBitmapTransparent(r, g, g.bounds(), g.transparentColor);
      else ic.drawBitmap(r.topLeft(), g);
      ic.syncPixels();
    }
    return;
  }
  const TMenu* menu = item.GetParentMenu();
  const char glyph = systemMenuGlyphChar(item.Tag);
  if (menu && menu->name() == kSystemMenuName && glyph != 0) {
    // The symbol face at 10 points: a 13-pixel line.
    const int textHeight = pointsToPixels(10);
    const Rect box = Rect::fromSize(4, (itemBitmap.height() - textHeight) / 2, textHeight + 10, textHeight);
    const int section = m.FindSection("MENUITEM");
    drawSystemMenuGlyph(ClippedRows(itemBitmap), Rect::fromSize(box.left, box.top, textHeight, textHeight), glyph,
                        sectionFontColor(m, section, isHot(item, state)));
  }
}

void TsSkinableMenus::paintScrollBands(Window& window) {
  MenuTracker* tracker = MenuTracker::active();
  if (!tracker || !skinActive()) return;
  for (int i = 0; i < tracker->depth(); ++i) {
    PopupMenuWindow* level = tracker->level(i);
    if (&level->window() != &window || level->items().empty()) continue;
    const MenuBackground* entry = MenuBackgroundCache::instance().find(level->items().front());
    if (!entry || !entry->bitmap) return;
    const Bitmap& b = *entry->bitmap;
    auto dc = window.system().getWindowDC(window);
    Canvas& c = dc->canvas();
    const int w = b.width(), h = b.height(), bw = BorderWidth;
    // The frame around everything, then (when the menu scrolls) the arrow bands.
    copyPart(c, b, {0, 0}, {0, 0, w, bw});
    copyPart(c, b, {0, h - bw}, {0, h - bw, w, h});
    copyPart(c, b, {0, 0}, {0, 0, bw, h});
    copyPart(c, b, {w - bw, 0}, {w - bw, 0, w, h});
    if (!level->scrolls()) return;
    const int band = PopupMenuWindow::kArrowHeight;
    const int count = static_cast<int>(level->items().size());
    const bool upActive = level->scrollOffset() > 0;
    const bool downActive = level->itemRect(count - 1).bottom > h - 2 * bw - band;
    const int section = model().FindSection("MENUITEM");
    const Color ink = sectionFontColor(model(), section, false);
    const Color grey = BlendColors(ink, model().GlobalColor(), 0.4);
    for (bool up : {true, false}) {
      const Rect r = up ? Rect{bw, bw, w - bw, bw + band} : Rect{bw, h - bw - band, w - bw, h - bw};
      copyPart(c, b, r.topLeft(), r);
      const Color colour = (up ? upActive : downActive) ? ink : grey;
      const int cx = r.left + r.width() / 2, cy = r.top + (r.height() - 4) / 2;
      for (int k = 0; k < 4; ++k) {
        const int row = up ? k : 3 - k;
        c.fillRect(Rect::fromSize(cx - k, cy + row, 1 + 2 * k, 1), colour);
      }
    }
    return;
  }
}

// --- Menu bar items --------------------------------------------------------------------------

void TsSkinableMenus::DrawBarItem(TMenuItem& item, Canvas& canvas, Rect rect, TOwnerDrawState state) {
  if (item.isDestroying() || !skinActive() || rect.isEmpty()) return;
  const SkinModel& m = model();
  const auto* mainMenu = dynamic_cast<const TMainMenu*>(item.GetParentMenu());
  if (!mainMenu || !mainMenu->form() || !skinProviderOf(*mainMenu->form())) {
    // No skinned frame paints this bar: the item lays the bar's section under itself.
    const int line = m.FindSection("MENULINE");
    if (m.IsValidSection(line)) {
      canvas.writeRows([&](ClippedRows& rows) {
        PaintSection(m, line, TsCacheView{.FillColor = clFuchsia}, -1, -1, rows, rect.topLeft(), rect, 1, CentreFill::Yes);
      });
    }
  }
  // The bar as drawn so far under the item is the item's parent background.
  const Bitmap bar = canvas.grab(rect);
  const TsCacheView view{.Bitmap = &bar, .X = 0, .Y = 0, .FillColor = clFuchsia, .Ready = true};
  const bool hot = (state & (odSelected | odHotLight)) != 0;
  const bool enabled = item.enabled();
  Bitmap itemBitmap(rect.width(), rect.height(), PixelFormat::Bits24);
  CopyBitmap(ClippedRows(itemBitmap), bar, {0, 0});
  const int section = m.FindSection("MENUITEM");
  if (m.IsValidSection(section)) {
    PaintSection(m, section, view, -1, -1, ClippedRows(itemBitmap), {0, 0}, itemBitmap.bounds(), hot ? 1 : 0, CentreFill::Yes);
  }
  Canvas ic(itemBitmap);
  int glyphWidth = 0;
  if (!item.bitmap().isEmpty()) {
    const Bitmap& g = item.bitmap();
    const Point at{3, (rect.height() - g.height()) / 2};
    if (g.transparent) ic.drawBitmapTransparent(Rect::fromSize(at, g.size()), g, g.bounds(), g.transparentColor);
    else ic.drawBitmap(at, g);
    glyphWidth = g.width() - 1;
  } else if (TImageList* images = item.images(); images && item.imageIndex() >= 0) {
    images->draw(ic, 3, (rect.height() - images->height()) / 2, item.imageIndex());
    glyphWidth = images->width() + 3;
  }
  Font f = menuFont(item);
  ic.setFont(f);
  unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | alignmentFlag(Alignment);
  if (state & odNoAccel) flags |= DT_HIDEPREFIX;
  Rect text{Margin + glyphWidth, 0, rect.width() - Margin, rect.height()};
  WriteSectionText(ic, item.caption(), true, &manager_, hot && enabled, m.FindSection("MENULINE"), flags, text);
  if (OnDrawItem) OnDrawItem(item, ic, itemBitmap.bounds(), state, smTopLine);
  ic.syncPixels();
  if (!enabled) BlendBitmaps(ClippedRows(itemBitmap), bar, 102);
  canvas.drawBitmap(rect.topLeft(), itemBitmap);
}

bool TsSkinableMenus::drawBarItem(TMenuItem& item, Canvas& canvas, Rect rect, const MenuBarItemState& state) {
  if (!skinActive()) return false;
  TOwnerDrawState s = 0;
  if (state.selected) s |= state.open ? odSelected : odHotLight;
  if (!item.enabled()) s |= odDisabled | odGrayed;
  if (!state.showAccelerators) s |= odNoAccel;
  DrawBarItem(item, canvas, rect, s);
  return true;
}

}  // namespace tavra
