#pragma once
// The skin binding every skinned control owns, published as its SkinData: the section of the
// skin that paints the control, resolved to indices in the manager's current model, the state
// the control shows, its composed look (a 24-bit cache the owner's size), and the reactions to
// the engine's SM_SKINCMD and to the messages every skinned control shares.
//
// The binding holds indices, never pointers, into the model: the manager loads a new model for
// every change (hue and saturation reloads send no SKC_REFRESH), so every command and every paint
// first checks the manager's model generation and resolves the section again when it changed.
// Painting only reads the binding; state changes come from messages and property setters.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/Color.h"
#include "framework/core/Control.h"
#include "gfx/Bitmap.h"
#include "skin/binding/TsBackgroundInfo.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

class SkinModel;
class TsSkinManager;
class Window;
struct TsGeneralData;

class TsCommonData {
 public:
  // `owner` is the control the binding paints; `kind` its control kind code.
  TsCommonData(TControl& owner, int kind);
  ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // Published properties.
  const std::string& skinSection() const { return skinSection_; }
  // Stored upper-case; an empty name is stored as "UNKNOWN".
  void setSkinSection(const std::string& section);
  // The assigned manager; null means the default manager (assigning the default stores null).
  TsSkinManager* skinManagerProperty() const { return skinManager_; }
  void setSkinManager(TsSkinManager* manager);
  bool customColor() const { return customColor_; }
  void setCustomColor(bool on);
  bool customFont() const { return customFont_; }
  void setCustomFont(bool on);

  // The manager the binding paints with: its own or the default one (null when there is none).
  TsSkinManager* manager() const;
  // The manager's current model (null without a manager).
  const SkinModel* model() const;
  // The bound section's record, or null when the control is not skinned.
  const TsGeneralData* section() const;

  TControl& owner() const { return owner_; }
  int controlKind() const { return kind_; }
  int sectionIndex() const { return sectionIndex_; }
  int borderMaskIndex() const { return borderMaskIndex_; }
  int patternIndex() const { return patternIndex_; }
  int hotPatternIndex() const { return hotPatternIndex_; }
  bool simpleFill() const { return (flags_ & kSimpleFill) != 0; }
  std::uint16_t flags() const { return flags_; }

  // State the owner class and the handlers keep.
  bool BackgroundDirty = true;
  bool PaintingHeld = false;
  bool PartlyClipped = true;
  bool HasFocus = false;
  bool MouseOver = false;
  int GlowIndex = -1;
  Bitmap CacheBitmap;  // 24-bit, the owner's size when valid

  // Recomposes the cache in the control's current state (set by the owner class); the background
  // protocol calls it when a child asks for a cache that is dirty.
  std::function<void()> Recompose;

  // Operations.
  void ResolveSection();
  // Binds the section at `index` of the current model in place of the one SkinSection names (a
  // tab control's page section by tab side); the next ResolveSection goes back to SkinSection.
  void UseSectionIndex(int index) { sectionIndex_ = index; }
  void ApplyDefaultSection();
  void OwnerLoaded();
  // Bound to a section of the manager's current model (indices taken from an older model count
  // as not bound until a skin command resolves them again).
  bool HasSkin(bool requireActive = false) const;
  bool IsCurrent() const;
  bool ShowsHot() const;
  bool NeedsComposition() const;
  bool PaintsThroughCache() const;
  bool IsPaintingHeld() const;
  bool VariesWithParent() const;
  Color StateColor(int state) const;
  void AnswerBackground(TsBackgroundInfo& info, int state, Window* window) const;
  void HoldPainting();
  void ReleasePainting();
  // The start of the owner's paint: the hold stays while the parent is held (its SKC_GETHELD
  // answer) and ends otherwise. True when the control may paint now; a held control paints
  // nothing and waits for its parent's SKC_PARENTPAINTED.
  bool StartPaint();
  // The end of a container's paint: every child receives SKC_PARENTPAINTED, so one that was held
  // while it waited for this paint shows itself again.
  void TellChildrenPainted();
  void RequestRepaint();
  void EnsureCache();
  // The answer to SKC_GETCOLOR.
  Color AnswerColor() const;

  // The common handlers: SM_SKINCMD and the messages every skinned control shares. Returns true
  // when the message is fully handled (its Result set) and the owner must not handle it.
  bool HandleMessage(TMessage& msg);
  // Resolves the section again when the manager's model is not the one the indices were taken
  // from; true when it did.
  bool Revalidate();

 private:
  static constexpr std::uint16_t kSimpleFill = 1;
  bool handleCommand(TMessage& msg);
  void handleSkinChange(unsigned command, LParam manager);
  void recomputeSimpleFill(bool recurse);
  void takeSectionColors();
  void sendToOwner(unsigned command, LParam lParam = 0, unsigned argument = 0);
  bool ownerCanChange() const;
  int stateTransparency(int state) const;

  TControl& owner_;
  int kind_ = 0;
  std::string skinSection_;
  TsSkinManager* skinManager_ = nullptr;
  bool customColor_ = false;
  bool customFont_ = false;
  int sectionIndex_ = -1;
  int borderMaskIndex_ = -1;
  int patternIndex_ = -1;
  int hotPatternIndex_ = -1;
  std::uint16_t flags_ = 0;
  std::uint64_t resolvedGeneration_ = 0;  // the manager's model generation the indices belong to
  const TsSkinManager* resolvedManager_ = nullptr;
};

// The parent colour of a control: a skinned control's answer to SKC_GETCOLOR, else its Color, in
// RGB; clFuchsia for no control.
Color ParentColorOf(TControl* control);

}  // namespace tavra
