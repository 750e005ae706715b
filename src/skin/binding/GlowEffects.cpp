#include "skin/binding/GlowEffects.h"

#include <map>
#include <memory>

#include "framework/core/Form.h"
#include "framework/core/WinControl.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/TacGlowEffect.h"
#include "skin/binding/TsCommonData.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// The open glows by index; the manager's hand-over slot closes them all on a skin change.
struct GlowList {
  std::map<int, std::unique_ptr<TacGlowEffect>> glows;
  int nextIndex = 0;
  GlowList() { SkinHandOver::slots().dropGlowEffects = [] { closeAllGlows(); }; }
};

GlowList& glowList() {
  static GlowList list;
  return list;
}

bool displayHasPerPixelAlpha() {
  return WindowSystem::exists() && WindowSystem::instance().backend().supportsPerPixelAlpha();
}

}  // namespace

void closeGlowOf(TsCommonData& binding) {
  if (binding.GlowIndex < 0) return;
  glowList().glows.erase(binding.GlowIndex);
  binding.GlowIndex = -1;
}

void closeAllGlows() { glowList().glows.clear(); }

int openGlowCount() { return static_cast<int>(glowList().glows.size()); }

// Requires the manager's AllowGlowing, a bound section with a GlowCount and a GLOW0 mask. A
// control that is not hovered or not showing, or a second entering while a glow is open,
// closes the glow instead.
void ShowGlow(TsCommonData& binding, bool enteringOnly) {
  TsSkinManager* manager = binding.manager();
  const TsGeneralData* section = binding.section();
  if (!manager || !manager->AllowGlowing || !section || section->GlowCount < 1) return;
  TControl& owner = binding.owner();
  if (!binding.MouseOver || !owner.showing() || (enteringOnly && binding.GlowIndex >= 0)) {
    closeGlowOf(binding);
    return;
  }
  if (!displayHasPerPixelAlpha()) return;
  const SkinModel& model = manager->model();
  const int mask = model.FindMaskExact(binding.skinSection(), "GLOW0");
  if (!model.IsValidMask(mask)) return;
  const Point origin = owner.clientToScreen({0, 0});
  const Rect screen = Rect::fromSize(origin.x, origin.y, owner.width(), owner.height());
  Rect visible = screen;
  if (TWinControl* parent = owner.parent()) {
    const Point p = parent->clientToScreen({0, 0});
    visible = visible.intersected(Rect::fromSize(p.x, p.y, parent->clientWidth(), parent->clientHeight()));
  }
  if (visible.isEmpty()) return;
  closeGlowOf(binding);
  TCustomForm* form = owner.parentForm();
  const bool topmost = form && form->window() && (form->window()->exStyle() & WS_EX_TOPMOST);
  auto glow = std::make_unique<TacGlowEffect>(model, mask, screen, visible, section->GlowMargin, topmost);
  if (!glow->window()) return;
  GlowList& list = glowList();
  binding.GlowIndex = list.nextIndex++;
  list.glows.emplace(binding.GlowIndex, std::move(glow));
}

}  // namespace tavra
