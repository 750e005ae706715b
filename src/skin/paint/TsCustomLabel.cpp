#include "skin/paint/TsCustomLabel.h"

#include "framework/WinControl.h"
#include "skin/paint/LabelSkin.h"
#include "skin/manager/SkinCommands.h"

namespace tavra {
namespace {

constexpr std::string_view kGlobalInfo = "GLOBALINFO";

class FontGuard {
 public:
  explicit FontGuard(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~FontGuard() { flag_ = previous_; }
  FontGuard(const FontGuard&) = delete;
  FontGuard& operator=(const FontGuard&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

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

Color skinTextColor(const TControl& label, const LabelSkin& skin) {
  int index = fontSectionOf(label, skin);
  if (index < 0) index = skin.findSection(kGlobalInfo);
  if (auto section = skin.section(index)) return section->fontColor;
  return clFuchsia;
}

}  // namespace

bool TsCustomLabel::fontGuard_ = false;

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomLabel(owner) { setTransparent(true); }

void TsCustomLabel::applySkinFontColor() {
  LabelSkin& skin = labelSkin();
  if (!skin.dataActive()) return;
  Color c = skinTextColor(*this, skin);
  if (c == clFuchsia || c == font().color) return;
  Font f = font();
  f.color = c;
  setFont(f);
}

const Font& TsCustomLabel::currentFont() {
  applySkinFontColor();
  return font();
}

void TsCustomLabel::setFontQuiet(const Font& f) {
  FontGuard guard(fontGuard_);
  setFont(f);
}

void TsCustomLabel::takeCurrentFont() {
  FontGuard guard(fontGuard_);
  const Font& current = currentFont();
  if (&current != &font()) setFont(current);
}

Color TsCustomLabel::parentBackgroundColor() const {
  TWinControl* p = parent();
  if (!p) return clFuchsia;
  if (sendSkinCommand(*p, SKC_ISSKINNED) == 1) return resolveColor(static_cast<Color>(sendSkinCommand(*p, SKC_GETCOLOR, clFuchsia)));
  return resolveColor(p->color());
}

void TsCustomLabel::Paint() {
  LabelSkin& skin = labelSkin();
  int section = -1;
  {
    FontGuard guard(fontGuard_);
    takeCurrentFont();
    // The skin's first section is GLOBALINFO, which never paints a label.
    if (!skinSection().empty() && skin.managerActive()) section = skin.findSection(skinSection());
    if (section > 0) {
      if (auto s = skin.section(section)) {
        Font f = font();
        f.color = s->fontColor;
        setFont(f);
      }
    }
  }
  Canvas& c = *canvas();
  c.setFont(font());
  if (section > 0) skin.paintSection(c, clientRect(), section, *this);
  TCustomLabel::Paint();
}

void TsCustomLabel::DoDrawText(Canvas& c, Rect& r, unsigned flags) {
  if (enabled() || (flags & DT_CALCRECT) || !labelSkin().dataActive()) {
    TCustomLabel::DoDrawText(c, r, flags);
    return;
  }
  // Disabled under a skin: the text once, 40 % of the font colour over 60 % of the background.
  Color fg = resolveColor(font().color);
  Color bg = parentBackgroundColor();
  auto mix = [](int f, int b) { return (4 * f + 6 * b + 5) / 10; };
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setTextColor(rgb(mix(redOf(fg), redOf(bg)), mix(greenOf(fg), greenOf(bg)), mix(blueOf(fg), blueOf(bg))));
  c.drawText(labelText(), r, flags);
}

void TsCustomLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_FONTCHANGED:
      if (fontGuard_ || isDestroying()) return;
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
