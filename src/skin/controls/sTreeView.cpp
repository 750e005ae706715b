#include "skin/controls/sTreeView.h"

#include "skin/data/SkinModel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/BindingPainting.h"
#include "skin/controls/FrameBand.h"
#include "skin/controls/SkinScrollBar.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

struct SelectionColors {
  Color fill = clHighlight;
  Color text = clHighlightText;
};

// The skin's selection colours are those of a selected menu item: its hot fill and text. A skin
// without them leaves the system's highlight colours.
SelectionColors selectionColorsOf(const SkinModel& model) {
  const Color fill = model.MenuHighlightColor();
  const int item = model.FindSection("MENUITEM");
  if (fill == clHighlight || !model.IsValidSection(item)) return {};
  const Color text = model.Sections[static_cast<size_t>(item)].HotFontColor[0];
  if (text == kNoColor || text == clFuchsia) return {.fill = fill};
  return {.fill = fill, .text = resolveColor(text)};
}

}  // namespace

TsTreeView::TsTreeView(TComponent* owner) : TsBoundControl(owner, ControlKind::TreeView) {
  if (SkinData.skinSection().empty() || SkinData.skinSection() == "UNKNOWN") SkinData.setSkinSection("EDIT");
  SkinData.Recompose = [this] { composeFrame(); };
}

void TsTreeView::Loaded() {
  TsBoundControl::Loaded();
  takeSectionColors();
}

void TsTreeView::takeSectionColors() {
  const TsGeneralData* s = SkinData.HasSkin() ? SkinData.section() : nullptr;
  if (!s) return;
  if (!ownColorsKept_) {
    ownColor_ = color();
    ownFontColor_ = font().color;
    ownColorsKept_ = true;
  }
  if (!SkinData.customColor()) setColor(s->Color);
  const SelectionColors selection = selectionColorsOf(*SkinData.model());
  setSelectionColors(selection.fill, selection.text);
  if (!SkinData.customFont() && font().color != s->FontColor[0]) {
    Font f = font();
    f.color = s->FontColor[0];
    setFont(f);
  }
}

void TsTreeView::restoreOwnColors() {
  setSelectionColors(clHighlight, clHighlightText);
  if (!ownColorsKept_) return;
  ownColorsKept_ = false;
  if (!SkinData.customColor()) setColor(ownColor_);
  if (!SkinData.customFont()) {
    Font f = font();
    f.color = ownFontColor_;
    setFont(f);
  }
}

void TsTreeView::composeFrame() {
  if (!SkinData.HasSkin()) return;
  SkinData.EnsureCache();
  Bitmap& cache = SkinData.CacheBitmap;
  const int state = skinState();
  PaintSection(SkinData, ParentViewOf(*this), CentreFill::Yes, state, cache, {0, 0}, cache.bounds());
  SkinData.BackgroundDirty = false;
  composedState_ = state;
}

void TsTreeView::paintFrame() {
  const Bitmap& cache = SkinData.CacheBitmap;
  if (SkinData.BackgroundDirty || composedState_ != skinState() || cache.width() != width() || cache.height() != height()) {
    composeFrame();
  }
  PaintFrameBand(*this, SkinData.CacheBitmap);
  Window* w = window();
  if (w && scrollBar().shown()) {
    auto dc = WindowSystem::instance().getWindowDC(*w);
    PaintSkinScrollBar(dc->canvas(), scrollBar(), *SkinData.model());
  }
}

void TsTreeView::WndProc(TMessage& m) {
  if (m.Msg == WM_NCPAINT && SkinData.HasSkin()) {
    paintFrame();
    m.Result = 0;
    return;
  }
  TsBoundControl::WndProc(m);
  if (m.Msg == SM_SKINCMD) {
    const SkinCommand command = skinCommandOf(m.WParam_);
    if (command == SKC_SETSKIN || command == SKC_REFRESH) {
      takeSectionColors();
      if (window()) window()->invalidateFrame();
    } else if (command == SKC_REMOVESKIN) {
      restoreOwnColors();
      if (window()) window()->invalidateFrame();
    }
  }
}

}  // namespace tavra
