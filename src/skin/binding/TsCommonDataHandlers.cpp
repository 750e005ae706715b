// The common handlers of the skin binding: SM_SKINCMD and the messages every skinned control
// shares, run before the control's own handling.
#include "framework/controls/Edit.h"
#include "framework/core/Form.h"
#include "framework/core/WinControl.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/GlowEffects.h"
#include "skin/binding/TsCommonData.h"

namespace tavra {

namespace {

bool isEditControl(const TControl& c) { return dynamic_cast<const TCustomEdit*>(&c) != nullptr; }

void redrawFrame(TControl& c) {
  if (!c.isWindowed()) return;
  if (Window* w = static_cast<TWinControl&>(c).window()) w->invalidateFrame();
}

void toChildren(TControl& owner, SkinCommand command, unsigned argument) {
  if (!owner.isWindowed()) return;
  for (TControl* child : std::vector(static_cast<TWinControl&>(owner).controls())) {
    if (!child->isDestroying()) sendSkinCommand(*child, command, 0, argument);
  }
}

void tellForm(TControl& owner) {
  if (TCustomForm* form = owner.parentForm(); form && form != &owner) {
    sendSkinCommand(*form, SKC_CONTROLCHANGED, reinterpret_cast<LParam>(&owner));
  }
}

}  // namespace

bool TsCommonData::HandleMessage(TMessage& m) {
  if (m.Msg == SM_SKINCMD) return handleCommand(m);
  switch (m.Msg) {
    case WM_MOVE:
      if (VariesWithParent()) {
        BackgroundDirty = true;
        sendToOwner(SKC_CHILDCHANGED, 0, 1);
        closeGlowOf(*this);
      }
      return false;
    case WM_SIZE:
      if (section()) {
        BackgroundDirty = true;
        if (section()->GradientPercent > 0 && owner_.isWindowed()) {
          for (TControl* child : std::vector(static_cast<TWinControl&>(owner_).controls())) {
            if (child->isDestroying() || (child->anchors() & (akRight | akBottom))) continue;
            sendSkinCommand(*child, SKC_CHILDCHANGED, 0, 1);
          }
        }
      }
      closeGlowOf(*this);
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (owner_.isWindowed() && static_cast<TWinControl&>(owner_).handleAllocated()) {
        BackgroundDirty = true;
        HasFocus = m.Msg == WM_SETFOCUS;
        if (isEditLikeKind(kind_) && (HasFocus || owner_.visible())) redrawFrame(owner_);
      }
      return false;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
      MouseOver = false;
      HasFocus = false;
      BackgroundDirty = true;
      if (!owner_.enabled()) closeGlowOf(*this);
      return false;
    case WM_UPDATEUISTATE:
      if (section()) {
        m.Result = 0;
        return true;
      }
      return false;
    case WM_PARENTNOTIFY:
      if (loWord(m.WParam_) == 1 && owner_.isWindowed()) tellForm(owner_);
      return false;
    case CM_VISIBLECHANGED:
      if (m.WParam_ != 0) {
        PaintingHeld = false;
        BackgroundDirty = true;
      } else {
        CacheBitmap.resize(0, 0);
        BackgroundDirty = true;
        closeGlowOf(*this);
      }
      return false;
    case CM_MOUSEENTER:
      if (m.LParam_ != 0 && m.LParam_ != reinterpret_cast<LParam>(&owner_)) return false;  // a child's notice
      if (owner_.isDesigning()) return false;
      if (!isNoHoverKind(kind_) && !MouseOver) {
        MouseOver = true;
        RequestRepaint();
      }
      if (owner_.isWindowed()) {
        if (TsSkinManager* dm = TsSkinManager::DefaultManager()) dm->ReportHotWindow(static_cast<TWinControl&>(owner_).window());
        if (!isNoGlowKind(kind_) && !isButtonKind(kind_)) ShowGlow(*this, true);
        if (isEditLikeKind(kind_)) {
          BackgroundDirty = true;
          redrawFrame(owner_);
        }
      }
      return false;
    case CM_MOUSELEAVE:
      if (m.LParam_ != 0 && m.LParam_ != reinterpret_cast<LParam>(&owner_)) return false;
      if (owner_.isDesigning()) return false;
      if (!isNoHoverKind(kind_) && MouseOver) {
        MouseOver = false;
        RequestRepaint();
      }
      if (!isNoGlowKind(kind_) && !isButtonKind(kind_)) closeAllGlows();
      if (isEditLikeKind(kind_) && owner_.visible()) {
        BackgroundDirty = true;
        redrawFrame(owner_);
      }
      return false;
    default:
      return false;
  }
}

bool TsCommonData::handleCommand(TMessage& m) {
  const SkinCommand command = skinCommandOf(m.WParam_);
  const unsigned argument = skinCommandArgument(m.WParam_);
  // Every command first makes sure the indices belong to the manager's current model.
  Revalidate();
  switch (command) {
    case SKC_REFRESH:
    case SKC_REMOVESKIN:
    case SKC_SETSKIN:
      handleSkinChange(command, m.LParam_);
      // The manager's broadcast stops at a skinned control: it passes the news on.
      if (owner_.isWindowed()) deliverToControls(static_cast<TWinControl&>(owner_), m.WParam_, m.LParam_);
      m.Result = 0;
      return true;
    case SKC_FADEDONE:
      if (owner_.isWindowed()) deliverToControls(static_cast<TWinControl&>(owner_), m.WParam_, m.LParam_);
      m.Result = 0;
      return true;
    case SKC_PARENTPAINTED:
      if (PaintingHeld) {
        PaintingHeld = false;
        RequestRepaint();
      }
      m.Result = 0;
      return true;
    case SKC_ISSKINNED:
      m.Result = 1;
      return true;
    case SKC_SETHELD:
      PaintingHeld = argument == 1;
      m.Result = 0;
      return true;
    case SKC_GETHELD:
      m.Result = BackgroundDirty || PaintingHeld ? 1 : 0;
      return true;
    case SKC_GETCLIPPED:
      m.Result = PartlyClipped ? 1 : 0;
      return true;
    case SKC_DIRTY:
      BackgroundDirty = true;
      m.Result = 0;
      return true;
    case SKC_GETVARIES: {
      if (sectionIndex_ < 0) return false;
      const TsGeneralData& s = *section();
      TWinControl* parent = owner_.parent();
      LResult answer;
      if (s.Transparency >= 100 && parent && parent->handleAllocated()) {
        answer = sendSkinCommand(*parent, SKC_GETVARIES) & 0x7F;
      } else {
        answer = (s.GradientPercent + s.ImagePercent > 0 || VariesWithParent()) ? 1 : 0;
      }
      m.Result = answer;
      m.LParam_ = answer;
      return true;
    }
    case SKC_CHILDCHANGED: {
      const bool varies = VariesWithParent();
      BackgroundDirty = BackgroundDirty || varies;
      if (owner_.isWindowed() && argument == 1) {
        if (Window* w = static_cast<TWinControl&>(owner_).window()) {
          w->invalidate(Erase::No);
          for (Window* child : w->children()) child->invalidateTree();
        }
      }
      if (varies) toChildren(owner_, SKC_CHILDCHANGED, 0);
      m.Result = 0;
      return true;
    }
    case SKC_GETCOLOR:
      m.Result = static_cast<LResult>(AnswerColor());
      return true;
    case SKC_SETCLIPPED:
      PartlyClipped = true;
      m.Result = 0;
      return true;
    case SKC_GETSECTIONINDEX:
      m.Result = section() ? sectionIndex_ + 1 : 0;
      return true;
    case SKC_GETBG:
      if (auto* info = reinterpret_cast<TsBackgroundInfo*>(m.LParam_)) {
        Window* window = owner_.isWindowed() ? static_cast<TWinControl&>(owner_).window() : nullptr;
        AnswerBackground(*info, 0, window);
      }
      m.Result = 0;
      return true;
    case SKC_SIMPLEFILL:
      if (m.LParam_ == 1) {
        recomputeSimpleFill(true);
        m.Result = 0;
      } else {
        m.Result = flags_;
      }
      return true;
    default:
      return false;
  }
}

void TsCommonData::handleSkinChange(unsigned command, LParam managerParam) {
  TsSkinManager* m = manager();
  if (!m || managerParam != m->commandParam()) return;
  switch (command) {
    case SKC_REFRESH:
      ResolveSection();
      recomputeSimpleFill(false);
      break;
    case SKC_REMOVESKIN:
      if (m->isDestroying() && skinManager_ == m) skinManager_ = nullptr;
      sectionIndex_ = borderMaskIndex_ = patternIndex_ = hotPatternIndex_ = -1;
      PaintingHeld = true;
      CacheBitmap.resize(0, 0);
      closeGlowOf(*this);
      if (isEditControl(owner_)) {
        if (!customColor_) owner_.setColor(clWindow);
        if (!customFont_) {
          Font f = owner_.font();
          f.color = clWindowText;
          owner_.setFont(f);
        }
        redrawFrame(owner_);
      }
      // Painted as the framework class from now on.
      if (owner_.parent() && !owner_.isDestroying()) owner_.Invalidate();
      break;
    case SKC_SETSKIN:
      BackgroundDirty = true;
      PaintingHeld = false;
      if (section()) {
        if (isEditControl(owner_)) {
          takeSectionColors();
          redrawFrame(owner_);
        }
        if (owner_.isWindowed()) tellForm(owner_);
      }
      recomputeSimpleFill(false);
      RequestRepaint();
      break;
    default:
      break;
  }
}

}  // namespace tavra
