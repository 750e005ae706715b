#include "skin/binding/TsCommonData.h"

#include <algorithm>
#include <cctype>

#include "framework/controls/Edit.h"
#include "framework/core/Form.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ScrollBox.h"
#include "framework/core/WinControl.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/GlowEffects.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

namespace {

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool isEditControl(const TControl& c) { return dynamic_cast<const TCustomEdit*>(&c) != nullptr; }

}  // namespace

TsCommonData::TsCommonData(TControl& owner, int kind) : owner_(owner), kind_(kind) {}

TsCommonData::~TsCommonData() {
  sectionIndex_ = borderMaskIndex_ = patternIndex_ = hotPatternIndex_ = -1;
  skinManager_ = nullptr;
  closeGlowOf(*this);
}

TsSkinManager* TsCommonData::manager() const { return skinManager_ ? skinManager_ : TsSkinManager::DefaultManager(); }

const SkinModel* TsCommonData::model() const {
  TsSkinManager* m = manager();
  return m ? &m->model() : nullptr;
}

const TsGeneralData* TsCommonData::section() const {
  const SkinModel* m = model();
  if (!m || !IsCurrent() || !m->IsValidSection(sectionIndex_)) return nullptr;
  return &m->Sections[static_cast<size_t>(sectionIndex_)];
}

bool TsCommonData::ownerCanChange() const { return !owner_.isLoading() && !owner_.isDestroying() && owner_.parent(); }

void TsCommonData::sendToOwner(unsigned command, LParam lParam, unsigned argument) {
  owner_.Perform(SM_SKINCMD, skinCommandWParam(static_cast<SkinCommand>(command), argument), lParam);
}

// --- Properties ---------------------------------------------------------------------------------

void TsCommonData::setSkinSection(const std::string& value) {
  const std::string stored = value.empty() ? std::string("UNKNOWN") : upper(value);
  if (stored == skinSection_) return;
  skinSection_ = stored;
  TsSkinManager* m = manager();
  if (!m || m->model().Sections.empty()) {
    sectionIndex_ = -1;
  } else {
    ResolveSection();
  }
  if (ownerCanChange()) {
    const LParam param = m ? m->commandParam() : 0;
    sendToOwner(section() ? SKC_SETSKIN : SKC_REMOVESKIN, param);
  }
}

void TsCommonData::setSkinManager(TsSkinManager* value) {
  if (value == TsSkinManager::DefaultManager()) value = nullptr;
  if (value == skinManager_) return;
  skinManager_ = value;
  if (owner_.isLoading()) return;
  TsSkinManager* m = manager();
  if (m && !m->model().Sections.empty()) {
    ResolveSection();
  } else {
    sectionIndex_ = -1;
  }
  if (owner_.parent() && !owner_.isDestroying()) {
    try {
      sendToOwner(section() ? SKC_SETSKIN : SKC_REMOVESKIN, m ? m->commandParam() : 0);
    } catch (...) {
      // A skin command's failure must not undo the assignment.
    }
  }
}

void TsCommonData::setCustomColor(bool on) {
  if (on == customColor_) return;
  customColor_ = on;
  if (section() && isEditControl(owner_) && !owner_.isLoading()) takeSectionColors();
  RequestRepaint();
}

void TsCommonData::setCustomFont(bool on) {
  if (on == customFont_) return;
  customFont_ = on;
  RequestRepaint();
}

void TsCommonData::takeSectionColors() {
  const TsGeneralData* s = section();
  if (!s) return;
  if (!customColor_) owner_.setColor(s->Color);
  if (!customFont_) {
    Font f = owner_.font();
    f.color = s->FontColor[0];
    owner_.setFont(f);
  }
}

// --- Binding ------------------------------------------------------------------------------------

void TsCommonData::ResolveSection() {
  BackgroundDirty = true;
  flags_ = 0;
  TsSkinManager* m = manager();
  resolvedManager_ = m;
  resolvedGeneration_ = m ? m->modelGeneration() : 0;
  const SkinModel* model = m ? &m->model() : nullptr;
  sectionIndex_ = model ? model->FindSection(skinSection_) : -1;
  if (sectionIndex_ >= 0) {
    const TsGeneralData& s = model->Sections[static_cast<size_t>(sectionIndex_)];
    borderMaskIndex_ = s.BorderMask;
    patternIndex_ = model->FindTexture(sectionIndex_, skinSection_, "PATTERN");
    hotPatternIndex_ = model->FindTexture(sectionIndex_, skinSection_, "HOTPATTERN");
    recomputeSimpleFill(false);
  } else {
    borderMaskIndex_ = patternIndex_ = hotPatternIndex_ = -1;
  }
}

bool TsCommonData::Revalidate() {
  TsSkinManager* m = manager();
  const std::uint64_t generation = m ? m->modelGeneration() : 0;
  if (m == resolvedManager_ && generation == resolvedGeneration_) return false;
  if (m && !m->model().Sections.empty()) {
    ResolveSection();
  } else {
    sectionIndex_ = borderMaskIndex_ = patternIndex_ = hotPatternIndex_ = -1;
    resolvedManager_ = m;
    resolvedGeneration_ = generation;
    BackgroundDirty = true;
  }
  return true;
}

void TsCommonData::ApplyDefaultSection() {
  if (!skinSection_.empty()) {
    ResolveSection();
    return;
  }
  if (auto section = defaultSectionOfKind(kind_)) {
    setSkinSection(std::string(*section));
  } else {
    setSkinSection(owner_.ClassName());
  }
}

void TsCommonData::OwnerLoaded() {
  ApplyDefaultSection();
  if (!section() || !owner_.parent() || owner_.isLoading()) return;
  if (owner_.isWindowed()) {
    if (TCustomForm* form = owner_.parentForm()) sendSkinCommand(*form, SKC_CONTROLCHANGED, reinterpret_cast<LParam>(&owner_));
  }
  if (isEditControl(owner_) || kind_ == 97) takeSectionColors();
}

bool TsCommonData::IsCurrent() const {
  TsSkinManager* m = manager();
  return m == resolvedManager_ && (m ? m->modelGeneration() : 0) == resolvedGeneration_;
}

bool TsCommonData::HasSkin(bool requireActive) const {
  TsSkinManager* m = manager();
  if (!m || sectionIndex_ < 0 || !IsCurrent() || owner_.isDestroying() || m->isDestroying()) return false;
  if (requireActive && !(m->active() && m->model().SkinData.Active)) return false;
  return m->model().IsValidSection(sectionIndex_);
}

bool TsCommonData::ShowsHot() const {
  if (owner_.isDestroying() || !owner_.enabled() || owner_.isDesigning()) return false;
  if (HasFocus) return true;
  if (owner_.isWindowed() && static_cast<const TWinControl&>(owner_).focused()) return true;
  return MouseOver && !isNoHoverKind(kind_);
}

int TsCommonData::stateTransparency(int state) const {
  const TsGeneralData* s = section();
  if (!s) return 0;
  return state == 0 ? s->Transparency : s->HotTransparency;
}

bool TsCommonData::NeedsComposition() const {
  const TsGeneralData* s = section();
  if (!s) return false;
  const SkinModel& m = *model();
  if (m.IsValidMask(borderMaskIndex_)) {
    const TsMaskData& mask = m.Masks[static_cast<size_t>(borderMaskIndex_)];
    if (mask.WL + mask.WR > 30 || mask.WT + mask.WB > 30) return true;
  }
  const int t = s->Transparency;
  if (t >= 100) {
    TWinControl* parent = owner_.parent();
    if (!parent) return true;
    const LResult parentFlags = sendSkinCommand(*parent, SKC_SIMPLEFILL, 0);
    if ((parentFlags & kSimpleFill) == 0) return true;
  } else if (t > 0) {
    return true;
  }
  return s->ImagePercent != 0 || s->GradientPercent != 0;
}

void TsCommonData::recomputeSimpleFill(bool recurse) {
  const bool eligible = dynamic_cast<const TCustomPanel*>(&owner_) || dynamic_cast<const TScrollBox*>(&owner_);
  flags_ = static_cast<std::uint16_t>(eligible && !NeedsComposition() ? (flags_ | kSimpleFill) : (flags_ & ~kSimpleFill));
  if (!recurse || !owner_.isWindowed()) return;
  for (TControl* child : static_cast<TWinControl&>(owner_).controls()) sendSkinCommand(*child, SKC_SIMPLEFILL, 1);
}

bool TsCommonData::PaintsThroughCache() const { return !simpleFill() || ShowsHot(); }

bool TsCommonData::IsPaintingHeld() const {
  TsSkinManager* m = manager();
  if (!m || m->isDesigning()) return false;
  if (!PaintsThroughCache()) return PaintingHeld;
  if (PaintingHeld) return true;
  TWinControl* parent = owner_.parent();
  return parent && sendSkinCommand(*parent, SKC_GETHELD) != 0;
}

bool TsCommonData::VariesWithParent() const {
  if (!section() || !owner_.visible()) return true;
  const TsGeneralData& s = *section();
  bool r = !owner_.enabled() || s.Transparency > 0;
  TWinControl* parent = owner_.parent();
  if (r && parent && parent->handleAllocated()) return sendSkinCommand(*parent, SKC_GETVARIES) != 0;
  return r;
}

Color TsCommonData::StateColor(int state) const {
  const TsGeneralData* s = section();
  if (!s || (customColor_ && stateTransparency(state) == 0)) return resolveColor(owner_.color());
  const int t = stateTransparency(state);
  const Color c = resolveColor(state == 0 ? s->Color : s->HotColor);
  if (t <= 0) return c;
  const Color parent = ParentColorOf(owner_.parent());
  if (t >= 100) return parent != clFuchsia ? parent : resolveColor(clBtnFace);
  // The parent keeps T percent, as in the composed look (and in the SKC_GETCOLOR answer).
  return BlendColors(c, parent == clFuchsia ? c : parent, 1.0 - t / 100.0);
}

Color TsCommonData::AnswerColor() const {
  const TsGeneralData* s = section();
  if (!s) return resolveColor(owner_.color());
  const int t = s->Transparency;
  const Color own = resolveColor(s->Color);
  if (t <= 0) return own;
  TWinControl* parent = owner_.parent();
  if (t >= 100) {
    if (!parent) return resolveColor(owner_.color());
    const Color answer = ParentColorOf(parent);
    return answer == clFuchsia ? resolveColor(parent->color()) : answer;
  }
  const Color p = parent ? ParentColorOf(parent) : resolveColor(owner_.color());
  auto ch = [t](int pv, int sv) { return std::clamp(((pv - sv) * t + sv * 256) >> 8, 0, 255); };
  return rgb(ch(redOf(p), redOf(own)), ch(greenOf(p), greenOf(own)), ch(blueOf(p), blueOf(own)));
}

void TsCommonData::AnswerBackground(TsBackgroundInfo& info, int state, Window* window) const {
  const TsGeneralData* s = section();
  if (!s || customColor_) {
    info.Kind = BackgroundKind::Color;
    info.Color = resolveColor(owner_.color());
    return;
  }
  const int t = state == 0 ? s->Transparency : s->HotTransparency;
  const int g = state == 0 ? s->GradientPercent : s->HotGradientPercent;
  const int i = state == 0 ? s->ImagePercent : s->HotImagePercent;
  auto answerFromCache = [&]() {
    if (BackgroundDirty && Recompose) Recompose();
    if (CacheBitmap.isEmpty()) {
      info.Kind = BackgroundKind::Color;
      info.Color = clFuchsia;
      return;
    }
    info.Kind = BackgroundKind::Bitmap;
    if (info.PaintInto && info.TargetDC) {
      info.TargetDC->drawBitmap(info.Rect.topLeft(), CacheBitmap, Rect::fromSize(info.OffsetX, info.OffsetY, info.Rect.width(), info.Rect.height()));
    } else {
      info.Bitmap = &CacheBitmap;
      info.OffsetX = info.OffsetY = 0;
    }
  };
  if (t == 0 && g == 0 && i == 0) {
    info.Kind = BackgroundKind::Color;
    info.Bitmap = &CacheBitmap;
    info.Color = StateColor(state);
    if (info.PaintInto && info.TargetDC) info.TargetDC->fillRect(info.Rect, info.Color);
    return;
  }
  if (t >= 100) {
    const SkinModel& m = *model();
    bool thick = false;
    if (m.IsValidMask(borderMaskIndex_)) {
      const TsMaskData& mask = m.Masks[static_cast<size_t>(borderMaskIndex_)];
      thick = mask.WL + mask.WR > 24 || mask.WT + mask.WB > 24;
    }
    if (thick) {
      if (CacheBitmap.isEmpty() && !(BackgroundDirty && Recompose)) {
        info.Kind = BackgroundKind::Color;
        info.Color = ParentColorOf(owner_.parent() ? owner_.parent()->parent() : nullptr);
        if (info.Color == clFuchsia) info.Color = m.GlobalColor();
      } else {
        answerFromCache();
      }
      return;
    }
    if (TWinControl* parent = owner_.parent()) {
      GetParentBackground(info, *parent, info.PaintInto);
      if (info.Kind == BackgroundKind::Bitmap) {
        info.OffsetX += owner_.left();
        info.OffsetY += owner_.top();
      }
    } else if (window && window->parent()) {
      GetParentBackground(info, *window->parent(), info.PaintInto);
    } else {
      info.Kind = BackgroundKind::Color;
      info.Color = m.GlobalColor();
    }
    return;
  }
  answerFromCache();
}

void TsCommonData::HoldPainting() {
  PaintingHeld = true;
  sendToOwner(SKC_BEGINUPDATE);
}

void TsCommonData::ReleasePainting() {
  PaintingHeld = false;
  sendToOwner(SKC_ENDUPDATE);
}

bool TsCommonData::StartPaint() {
  TsSkinManager* m = manager();
  TWinControl* parent = owner_.parent();
  const bool upstreamHeld = m && !m->isDesigning() && PaintsThroughCache() && parent && sendSkinCommand(*parent, SKC_GETHELD) != 0;
  PaintingHeld = upstreamHeld;
  return !PaintingHeld;
}

void TsCommonData::TellChildrenPainted() {
  if (!owner_.isWindowed() || owner_.isDestroying()) return;
  // Indexed: a child's repaint may change nothing of the list, but a handler might.
  const auto& children = static_cast<TWinControl&>(owner_).controls();
  for (size_t i = 0; i < children.size(); ++i) {
    TControl* child = children[i];
    if (!child->isDestroying()) sendSkinCommand(*child, SKC_PARENTPAINTED);
  }
}

void TsCommonData::RequestRepaint() {
  if (owner_.isDestroying() || owner_.isLoading()) return;
  BackgroundDirty = true;
  if (!owner_.parent()) return;
  if (owner_.isWindowed() && !static_cast<TWinControl&>(owner_).handleAllocated()) return;
  owner_.Invalidate();
}

void TsCommonData::EnsureCache() {
  CacheBitmap.setFormat(PixelFormat::Bits24);
  if (CacheBitmap.width() != owner_.width() || CacheBitmap.height() != owner_.height()) {
    CacheBitmap.resize(std::max(owner_.width(), 0), std::max(owner_.height(), 0));
    BackgroundDirty = true;
  }
}

Color ParentColorOf(TControl* control) {
  if (!control) return clFuchsia;
  if (sendSkinCommand(*control, SKC_ISSKINNED) == 1) {
    return resolveColor(static_cast<Color>(sendSkinCommand(*control, SKC_GETCOLOR, clFuchsia)));
  }
  return resolveColor(control->color());
}

}  // namespace tavra
