#include "skin/tabs/TsTabControl.h"

#include <algorithm>

#include "framework/core/ImageList.h"
#include "framework/controls/TabScroller.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/BindingPainting.h"
#include "skin/binding/CacheCopy.h"
#include "skin/binding/ControlKinds.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/tabs/SpinButtonAdapter.h"
#include "winsys/WindowSystem.h"

namespace tavra {

namespace {

constexpr const char* kSpinSection = "UPDOWNBTN";
constexpr const char* kArrowsClass = "msctls_updown32";
constexpr unsigned kTabTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

TsCacheView viewOn(const Bitmap& b, int x, int y) {
  return TsCacheView{.Bitmap = &b, .X = x, .Y = y, .FillColor = clFuchsia, .Ready = true};
}

}  // namespace

TsTabControl::TsTabControl(TComponent* owner) : TsBoundControl(owner, ControlKind::TabControl) {
  SkinData.Recompose = [this] { composeCache(ParentViewOf(*this)); };
}

TsTabControl::~TsTabControl() {
  // The arrows are a child: they get their own window procedure back while they still exist.
  spin_.reset();
  SkinData.Recompose = nullptr;
}

void TsTabControl::Loaded() {
  TsBoundControl::Loaded();
  refreshSpinButton();
}

bool TsTabControl::skinned() const { return SkinData.HasSkin(); }

// --- Geometry -----------------------------------------------------------------------------------

Rect TsTabControl::TabRect(int index, TabSelection selection) {
  if (index < 0 || index >= Tabs().Count()) return {};
  return skinTabRect(itemRect(index), selection, style(), side());
}

Rect TsTabControl::displayRectangle() {
  Rect d = skinDisplayRect(DisplayRect());
  if (RowCount() < 2) return d;
  // The framework's display rectangle counts every row whole, while its rows overlap: moved by
  // the overlap, the page meets the row nearest to it as it does with one row.
  const Rect page = layout().pageRect();
  const Rect framework = DisplayRect();
  if (side() == TabSide::Bottom) {
    d.bottom += (page.bottom - framework.bottom) - 2;
  } else {
    d.top -= (framework.top - page.top) - 2;
  }
  return d;
}

Rect TsTabControl::pageRectangle() {
  return tabPageRect(displayRectangle(), {width(), height()}, side(), Tabs().Count() > 0);
}

Rect TsTabControl::stripRectangle() {
  return tabStripRect(displayRectangle(), {width(), height()}, side(), Tabs().Count() > 0);
}

int TsTabControl::Row(int index) { return tabRowOf(itemRect(index), RowCount(), side(), stripRectangle()); }

int TsTabControl::TabAtPoint(Point p) {
  for (int i = 0; i < Tabs().Count(); ++i) {
    if (TabRect(i, TabSelection::NotSelected).contains(p)) return i;
  }
  return -1;
}

std::string TsTabControl::pageSectionName() const {
  const std::string& own = SkinData.skinSection();
  if (own != "PAGECONTROL") return own;
  switch (side()) {
    case TabSide::Top: return "PAGECONTROL";
    case TabSide::Bottom: return "PAGECONTROLBOTTOM";
    case TabSide::Left: return "PAGECONTROLLEFT";
    case TabSide::Right: return "PAGECONTROLRIGHT";
  }
  return own;
}

TsTabControl::TabSection TsTabControl::tabSection() const {
  const SkinModel* model = SkinData.model();
  if (!model) return {};
  auto named = [model](const char* name) {
    return TabSection{.index = model->FindSection(name), .border = model->FindMaskExact(name, "BORDERSMASK"), .name = name};
  };
  if (style() == TTabStyle::tsButtons) return named("BUTTON");
  if (style() == TTabStyle::tsFlatButtons) return named("TOOLBUTTON");
  const TsCommonIndices& c = model->CommonIndices;
  switch (side()) {
    case TabSide::Top: return {c.TabTop, c.TabTopBorder, "TABTOP"};
    case TabSide::Bottom: return {c.TabBottom, c.TabBottomBorder, "TABBOTTOM"};
    case TabSide::Left: return {c.TabLeft, c.TabLeftBorder, "TABLEFT"};
    case TabSide::Right: return {c.TabRight, c.TabRightBorder, "TABRIGHT"};
  }
  return {};
}

// --- Messages -----------------------------------------------------------------------------------

void TsTabControl::WndProc(TMessage& m) {
  // A reload with a new model (hue, saturation) sends no command: the paint resolves again.
  if (m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND || m.Msg == WM_PRINTCLIENT) SkinData.Revalidate();
  if (m.Msg == SM_SKINCMD && handleSkinCommand(m)) return;
  if (SkinData.HandleMessage(m)) return;
  if (skinned() && handleSkinned(m)) return;
  const Rect before = boundsRect();
  TTabControl::WndProc(m);
  if (skinned()) afterDefault(m, before);
}

bool TsTabControl::handleSkinCommand(TMessage& m) {
  switch (skinCommandOf(m.WParam_)) {
    case SKC_GETHELD:
      // Its own hold only: its cache is composed anew at every paint, so a dirty one holds no child.
      if (!skinned()) return false;
      m.Result = SkinData.PaintingHeld ? 1 : 0;
      return true;
    case SKC_SETSKIN:
    case SKC_REMOVESKIN: {
      const bool removed = skinCommandOf(m.WParam_) == SKC_REMOVESKIN;
      SkinData.HandleMessage(m);
      hotTab_ = -1;
      if (removed) {
        spin_.reset();
      } else {
        refreshSpinButton();
      }
      if (Window* w = window(); w && !isDestroying()) w->invalidateTree();
      return true;
    }
    default:
      return false;
  }
}

bool TsTabControl::handleSkinned(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (tabStop()) {
        SkinData.HasFocus = m.Msg == WM_SETFOCUS;
        SkinData.MouseOver = false;
        SkinData.BackgroundDirty = true;
      }
      return false;  // the framework keeps its focus bookkeeping and repaints
    case WM_PAINT: {
      Window* w = window();
      if (!w || isDestroying() || !parent()) return false;
      // Every repaint goes through the erase-background message: when the window system has
      // not just sent it for this paint, the whole window is invalidated with erasing and the
      // paint's start sends it.
      if (!erasedForPaint_) w->invalidate(Erase::Yes);
      { PaintScope scope = WindowSystem::instance().beginPaint(*w); }
      erasedForPaint_ = false;
      m.Result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_); canvas && visible()) {
        fullPaint(*canvas);
        erasedForPaint_ = true;
      }
      m.Result = 1;
      return true;
    case WM_PRINTCLIENT:
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_)) fullPaint(*canvas);
      m.Result = 0;
      return true;
    case WM_WINDOWPOSCHANGING:
      SkinData.BackgroundDirty = true;
      return false;
    case WM_NCPAINT:
      m.Result = 0;
      return true;  // no frame
    case WM_MOUSEMOVE:
      trackHot({xFromLParam(m.LParam_), yFromLParam(m.LParam_)});
      return false;
    case WM_MOUSEWHEEL:
    case CM_VISIBLECHANGED:
      if (!isLoading()) SkinData.RequestRepaint();
      return false;
    case WM_MOUSELEAVE:
      leaveHot();
      return false;
    case CM_MOUSELEAVE:
      if (spin_ && m.LParam_ == reinterpret_cast<LParam>(&spin_->arrows())) spin_->mouseLeft();
      if (m.LParam_ == 0 || m.LParam_ == reinterpret_cast<LParam>(this)) leaveHot();
      return false;
    default:
      return false;
  }
}

void TsTabControl::afterDefault(const TMessage& m, const Rect& before) {
  switch (m.Msg) {
    case WM_MOVE:
      if (!isLoading()) SkinData.RequestRepaint();
      break;
    case WM_SIZE:
      refreshSpinButton();
      if (Window* w = window(); w && (width() < before.width() || height() < before.height())) w->invalidate(Erase::No);
      break;
    default:
      break;
  }
}

// --- Painting -----------------------------------------------------------------------------------

void TsTabControl::fullPaint(Canvas& dc) {
  // The arrows of a scrolling row appear with the layout, not only with a size change.
  refreshSpinButton();
  // Only a hold of its own stops the paint: a parent whose cache is dirty recomposes it when the
  // background is asked for below, so there is nothing to wait for.
  if (SkinData.PaintingHeld) return;
  SkinData.BackgroundDirty = true;
  // The control is bound to its page section for the tab side (children ask it for its section
  // and background); a skin without that section leaves the named one bound.
  const int page = SkinData.model()->FindSection(pageSectionName());
  if (SkinData.model()->IsValidSection(page)) SkinData.UseSectionIndex(page);
  composeCache(ParentViewOf(*this));
  const bool hasTabs = Tabs().Count() > 0;
  const int selected = TabIndex();
  {
    Canvas::StateSaver saver(dc);
    if (hasTabs && selected >= 0) dc.excludeClip(TabRect(selected, TabSelection::Selected));
    CopyCache(*this, SkinData.CacheBitmap, {0, 0}, dc, SkinData.CacheBitmap.bounds());
  }
  if (hasTabs && selected >= 0) tabOnScreen(selected, 2, dc);
  SkinData.TellChildrenPainted();
  // The children show the cache around them, as it is on screen.
  windowless_.paintOverCache(*this, dc, SkinData.CacheBitmap, {0, 0});
}

// The cache: the strip (the parent's background), the tabs that are not selected row by row
// (the row nearest the page last), then the page area over their lower edges.
void TsTabControl::composeCache(const TsCacheView& view) {
  if (!skinned()) return;
  const SkinModel& model = *SkinData.model();
  SkinData.EnsureCache();
  Bitmap& cache = SkinData.CacheBitmap;
  const Rect page = pageRectangle();
  if (Tabs().Count() > 0) {
    const Rect strip = stripRectangle().intersected(cache.bounds());
    if (view.Ready && view.Bitmap) {
      const int w = std::min(strip.width(), view.Bitmap->width());
      const int h = std::min(strip.height(), view.Bitmap->height());
      cache.fillRect(strip, pixelFromColor(resolveColor(clBtnFace)));
      cache.copyFrom(*view.Bitmap, Rect::fromSize(view.X + strip.left, view.Y + strip.top, w, h), strip.left, strip.top);
    } else {
      const Color fill = view.FillColor == clFuchsia ? model.GlobalColor() : view.FillColor;
      cache.fillRect(strip, pixelFromColor(resolveColor(fill)));
    }
    const int rows = RowCount();
    for (int k = 1; k <= rows; ++k) {
      for (int j = 0; j < Tabs().Count(); ++j) {
        if (j != TabIndex() && Row(j) == k) paintTab(j, 0, {0, 0}, cache);
      }
    }
  }
  int pageIndex = model.FindSection(pageSectionName());
  if (!model.IsValidSection(pageIndex)) pageIndex = SkinData.sectionIndex();
  PaintSection(model, pageIndex, view, -1, -1, ClippedRows(cache), {0, 0}, page.intersected(cache.bounds()), 0, CentreFill::No);
  SkinData.BackgroundDirty = false;
  SkinData.PartlyClipped = false;
}

void TsTabControl::tabOnScreen(int index, int state, Canvas& dc) {
  if (index < 0) return;
  const Rect r = TabRect(index, state == 2 ? TabSelection::Selected : TabSelection::NotSelected);
  if (r.isEmpty()) return;
  Bitmap b = NewBitmap24(r.width(), r.height());
  paintTab(index, state, {-r.left, -r.top}, b);
  dc.drawBitmap(r.topLeft(), b);
}

void TsTabControl::paintTab(int index, int state, Point offset, Bitmap& target) {
  if (index < 0 || index >= Tabs().Count() || !skinned()) return;
  const SkinModel& model = *SkinData.model();
  const int selectedIndex = TabIndex();
  const Rect r0 = TabRect(index, index == selectedIndex ? TabSelection::Selected : TabSelection::NotSelected);
  if (state == 1 && r0.left < 0) return;  // a hot tab scrolled out to the left
  const bool selected = state == 2 && index == selectedIndex;
  const Rect r = TabRect(index, selected ? TabSelection::Selected : TabSelection::NotSelected);
  if (r.isEmpty()) return;
  const TabSection section = tabSection();
  const Bitmap& cache = SkinData.CacheBitmap;
  const Rect placed = r.offsetBy(offset);
  if (model.CommonIndices.TabTop > 0 && model.IsValidMask(section.border) && model.IsValidSection(section.index)) {
    Bitmap face = NewBitmap24(r.width(), r.height());
    if (selected) {
      // Over what the cache shows there, so the tab's transparent corners show the page.
      face.copyFrom(cache, r, 0, 0);
      CopyBitmap(ClippedRows(target), face, placed.topLeft());
      PaintSection(model, section.index, viewOn(face, -placed.left, -placed.top), -1, -1, ClippedRows(target), {0, 0}, placed,
                   state, CentreFill::Yes);
    } else {
      PaintSection(model, section.index, viewOn(cache, 0, 0), -1, -1, ClippedRows(face), r.topLeft(), face.bounds(), state,
                   CentreFill::Yes);
      Canvas c(target);
      // The part reaching under the page stays hidden where the page is already drawn.
      if (side() == TabSide::Top || side() == TabSide::Left) c.excludeClip(pageRectangle().offsetBy(offset));
      c.drawBitmap(placed.topLeft(), face);
    }
  }
  Canvas c(target);
  c.setFont(font());
  if (ownerDraw() && OnDrawTab) {
    // The owner draws inside the tab, 3 pixels in from its edges.
    Rect inside = r0;
    if (&target != &cache) inside = inside.offsetBy(-r0.left, -r0.top);
    inside = inside.inflatedBy(-3, -3);
    Canvas::StateSaver saver(c);
    c.intersectClip(inside);
    OnDrawTab(*this, index, inside, index == selectedIndex, c);
    return;
  }
  paintTabText(c, index, state, placed, section);
}

void TsTabControl::paintTabText(Canvas& c, int index, int state, const Rect& r, const TabSection& section) {
  const std::string& text = Tabs()[index];
  TsSkinManager* manager = SkinData.manager();
  const SkinModel& model = *SkinData.model();
  // A skin without tab sections writes the captions in the page's colours.
  int colours = section.index;
  if (!model.IsValidSection(colours)) colours = model.FindSection(pageSectionName());
  if (!model.IsValidSection(colours)) colours = SkinData.sectionIndex();
  Rect textRect = r;
  const int picture = images() ? GetImageIndex(index) : -1;
  if (picture >= 0) {
    // The picture and the caption centred together along the tab.
    const TImageList& list = *images();
    const int x = r.left + (r.width() - (c.textWidth(text) + list.width() + 8)) / 2;
    list.draw(c, x, r.top + (r.height() - list.height()) / 2, picture);
    textRect.left += list.width();
  }
  if (model.IsValidSection(colours)) {
    WriteSectionText(c, text, true, manager, state != 0, colours, kTabTextFormat, textRect);
  } else {
    c.setBackgroundMode(BackgroundMode::Transparent);
    c.drawText(text, textRect, kTabTextFormat);
  }
}

// --- Hot tracking -------------------------------------------------------------------------------

void TsTabControl::redrawTab(int index, int state) {
  Window* w = window();
  if (!w || index < 0 || !w->isShowing()) return;
  std::unique_ptr<DeviceContext> dc = WindowSystem::instance().getDC(*w);
  Canvas& c = dc->canvas();
  Canvas::StateSaver saver(c);
  c.intersectClip(itemRect(index));
  if (TabIndex() >= 0) c.excludeClip(TabRect(TabIndex(), TabSelection::Selected));
  tabOnScreen(index, state, c);
}

void TsTabControl::trackHot(Point p) {
  if ((!hotTrack() && style() == TTabStyle::tsTabs) || isDesigning()) return;
  if (TsSkinManager* dm = TsSkinManager::DefaultManager()) dm->ReportHotWindow(nullptr);
  if (!stripRectangle().contains(p)) {
    leaveHot();
    return;
  }
  // What is waiting to be painted goes first, so the hot tab is drawn over the finished look.
  if (Window* w = window()) w->update();
  const int a = TabAtPoint(p);
  if (a == hotTab_) return;
  if (hotTab_ >= 0 && hotTrack()) redrawTab(hotTab_, 0);
  hotTab_ = a;
  if (a == -1 || !hotTrack()) return;
  if (a == TabIndex()) {
    hotTab_ = -1;
  } else {
    redrawTab(a, 1);
  }
}

void TsTabControl::leaveHot() {
  if (hotTab_ >= 0 && hotTrack() && hotTab_ != TabIndex()) redrawTab(hotTab_, 0);
  hotTab_ = -1;
}

// --- Spin buttons -------------------------------------------------------------------------------

void TsTabControl::refreshSpinButton() {
  if (isLoading() || isDestroying() || !skinned() || !handleAllocated()) return;
  TTabScroller* arrows = nullptr;
  for (Window* child : window()->children()) {
    if (child->className() != kArrowsClass) continue;
    arrows = dynamic_cast<TTabScroller*>(TWinControl::fromWindow(child));
    if (arrows) break;
  }
  if (!arrows) {
    spin_.reset();
  } else if (!spin_ || &spin_->arrows() != arrows || !spin_->attached()) {
    spin_.reset();
    spin_ = std::make_unique<SpinButtonAdapter>(*arrows, SkinData, kSpinSection);
  }
}

}  // namespace tavra
