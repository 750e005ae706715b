#include "skin/paint/TsCustomLabel.h"

#include "framework/Draw3D.h"
#include "framework/WinControl.h"
#include "skin/paint/LabelSkin.h"
#include "skin/manager/SkinCommands.h"

namespace tavra {
namespace {

constexpr std::string_view kGlobalInfo = "GLOBALINFO";

// The section whose font colour a label takes: its parent's section, or a further ancestor's
// while the section found is more than half transparent; used only when it gives its own font.
int fontSectionOf(const TControl& label, const LabelSkin& skin) {
  TWinControl* asked = label.parent();
  int index = -1;
  while (asked) {
    LResult answer = sendSkinCommand(*asked, SKC_GETSECTIONINDEX);
    if (answer == 0) return -1;
    index = static_cast<int>(answer - 1);
    auto section = skin.section(index);
    if (section && section->transparency > 50 && asked->parent()) {
      asked = asked->parent();
      continue;
    }
    break;
  }
  if (index < 0) return -1;
  auto section = skin.section(index);
  return section && section->giveOwnFont ? index : -1;
}

Color skinTextColorOf(const TControl& label, const LabelSkin& skin) {
  int index = fontSectionOf(label, skin);
  if (index < 0) index = skin.findSection(kGlobalInfo);
  if (auto section = skin.section(index)) return section->fontColor;
  return clFuchsia;
}

}  // namespace

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomLabel(owner) { setTransparent(true); }

Color TsCustomLabel::skinTextColor() const {
  LabelSkin& skin = labelSkin();
  return skin.dataActive() ? skinTextColorOf(*this, skin) : clFuchsia;
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
  LabelSkin& skin = labelSkin();
  if (skinSection().empty() || !skin.managerActive()) return -1;
  // The skin's first section is GLOBALINFO, which never paints a label.
  const int section = skin.findSection(skinSection());
  return section > 0 ? section : -1;
}

Font TsCustomLabel::paintFont() const {
  Font f = currentFont();
  if (const int section = paintedSection(); section > 0) {
    if (auto s = labelSkin().section(section)) f.color = s->fontColor;
  }
  return f;
}

Color TsCustomLabel::parentBackgroundColor() const {
  TWinControl* p = parent();
  if (!p) return clFuchsia;
  if (sendSkinCommand(*p, SKC_ISSKINNED) == 1) return resolveColor(static_cast<Color>(sendSkinCommand(*p, SKC_GETCOLOR, clFuchsia)));
  return resolveColor(p->color());
}

void TsCustomLabel::Paint() {
  Canvas& c = *canvas();
  c.setFont(paintFont());
  if (const int section = paintedSection(); section > 0) labelSkin().paintSection(c, clientRect(), section, *this);
  TCustomLabel::Paint();
}

void TsCustomLabel::DoDrawText(Canvas& c, Rect& r, unsigned flags) {
  const Font f = paintFont();
  if (enabled() || (flags & DT_CALCRECT) || !labelSkin().dataActive()) {
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
      if (skinCommandOf(m.WParam_) == SKC_REMOVESKIN && isDefaultManagerParam(m.LParam_) && !isDestroying() &&
          resetsFontOnSkinRemoval()) {
        Font f = font();
        f.color = clWindowText;
        setFont(f);
      }
      return;
    default:
      break;
  }
  TCustomLabel::WndProc(m);
}

}  // namespace tavra
