#include "skin/labels/TsCustomLabel.h"

#include "framework/core/Draw3D.h"
#include "framework/core/WinControl.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinProcessState.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/BindingPainting.h"

namespace tavra {
namespace {

constexpr std::string_view kGlobalInfo = "GLOBALINFO";

const TsGeneralData* sectionAt(const SkinModel& skin, int index) {
  return skin.IsValidSection(index) ? &skin.Sections[static_cast<size_t>(index)] : nullptr;
}

// The section whose font colour a label takes: its parent's section, or a further ancestor's
// while the section found is more than half transparent; used only when it gives its own font.
int fontSectionOf(const TControl& label, const SkinModel& skin) {
  TWinControl* asked = label.parent();
  int index = -1;
  while (asked) {
    LResult answer = sendSkinCommand(*asked, SKC_GETSECTIONINDEX);
    if (answer == 0) return -1;
    index = static_cast<int>(answer - 1);
    const TsGeneralData* section = sectionAt(skin, index);
    if (section && section->Transparency > 50 && asked->parent()) {
      asked = asked->parent();
      continue;
    }
    break;
  }
  const TsGeneralData* section = sectionAt(skin, index);
  return section && section->GiveOwnFont ? index : -1;
}

}  // namespace

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomLabel(owner) { setTransparent(true); }

const SkinModel* TsCustomLabel::activeSkin() const {
  const SkinModel* skin = SkinData.model();
  return skin && skin->SkinData.Active ? skin : nullptr;
}

Color TsCustomLabel::skinTextColor() const {
  const SkinModel* skin = activeSkin();
  if (!skin) return clFuchsia;
  int index = fontSectionOf(*this, *skin);
  if (index < 0) index = skin->FindSection(kGlobalInfo);
  if (const TsGeneralData* section = sectionAt(*skin, index)) return section->FontColor[0];
  return clFuchsia;
}

Font TsCustomLabel::currentFont() const {
  Font f = font();
  if (Color c = skinTextColor(); c != clFuchsia) f.color = c;
  return f;
}

void TsCustomLabel::takeCurrentFont() {
  const Font current = currentFont();
  if (current != font()) setFont(current);
}

int TsCustomLabel::paintedSection() const {
  const TsSkinManager* manager = SkinData.manager();
  if (!manager || !manager->active() || !SkinData.section()) return -1;
  // The skin's first section is GLOBALINFO, which never paints a label.
  return SkinData.sectionIndex() > 0 ? SkinData.sectionIndex() : -1;
}

Font TsCustomLabel::paintFont() const {
  Font f = currentFont();
  if (paintedSection() > 0) f.color = SkinData.section()->FontColor[0];
  return f;
}

Color TsCustomLabel::parentBackgroundColor() const {
  TWinControl* p = parent();
  if (!p) return clFuchsia;
  if (sendSkinCommand(*p, SKC_ISSKINNED) == 1) return resolveColor(static_cast<Color>(sendSkinCommand(*p, SKC_GETCOLOR, clFuchsia)));
  return resolveColor(p->color());
}

void TsCustomLabel::Paint() {
  // A reload with a new model (hue, saturation) sends no command: the indices follow it here.
  SkinData.Revalidate();
  Canvas& c = *canvas();
  c.setFont(paintFont());
  if (paintedSection() > 0) {
    // The section in its normal state over what the parent shows behind the label.
    const TsCacheView behind = ParentViewOf(*this);
    const Rect r = clientRect();
    c.writeRows([&](ClippedRows& rows) { PaintSection(SkinData, behind, CentreFill::Yes, 0, rows, {0, 0}, r); });
  }
  TCustomLabel::Paint();
}

void TsCustomLabel::DoDrawText(Canvas& c, Rect& r, unsigned flags) {
  const Font f = paintFont();
  if (enabled() || (flags & DT_CALCRECT) || !activeSkin()) {
    std::string text = labelText();
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar() && text == "&"))) text += ' ';
    c.setFont(f);
    c.setBackgroundMode(BackgroundMode::Transparent);
    if (!enabled() && !(flags & DT_CALCRECT)) {
      DrawDisabledText(c, text, r, flags);
      return;
    }
    c.drawText(text, r, flags);
    return;
  }
  // Disabled under a skin: the text once, 40 % of the font colour over 60 % of the background.
  Color fg = resolveColor(f.color);
  Color bg = parentBackgroundColor();
  auto mix = [](int f, int b) { return (4 * f + 6 * b + 5) / 10; };
  c.setFont(f);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setTextColor(rgb(mix(redOf(fg), redOf(bg)), mix(greenOf(fg), greenOf(bg)), mix(blueOf(fg), blueOf(bg))));
  c.drawText(labelText(), r, flags);
}

void TsCustomLabel::WndProc(TMessage& m) {
  if (m.Msg == SM_SKINCMD && skinCommandOf(m.WParam_) == SKC_REMOVESKIN) {
    // The default manager switching its skin off gives the font the window-text colour back;
    // the same command for a section name the skin lacks (the binding's setter) does not.
    const TsSkinManager* dm = TsSkinManager::DefaultManager();
    if (dm && m.LParam_ == dm->commandParam() && skinProcessState().skinRemoving && !isDestroying() &&
        resetsFontOnSkinRemoval()) {
      Font f = font();
      f.color = clWindowText;
      setFont(f);
    }
  }
  if (SkinData.HandleMessage(m)) return;
  switch (m.Msg) {
    case CM_FONTCHANGED:
      if (isDestroying()) return;
      AdjustSize();
      Invalidate();
      return;
    case CM_MOUSELEAVE:
      // The platform's handling first, then the event.
      if (m.LParam_ == 0) {
        if (parent()) parent()->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LParam>(this));
        if (OnMouseLeave) OnMouseLeave(*this);
        return;
      }
      break;
    case SM_SKINCMD:
      m.Result = 0;
      return;
    default:
      break;
  }
  TCustomLabel::WndProc(m);
}

}  // namespace tavra
