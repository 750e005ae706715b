// The provider's caption buttons and system menu: hit testing, hover and press with their
// one-button redraws and glows, the release that sends the button's command, the hover watch.
#include "framework/core/Form.h"
#include "framework/menus/PopupMenu.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/TacGlowEffect.h"
#include "skin/frames/TsSkinProvider.h"
#include "skin/menus/TsSkinableMenus.h"
#include "skin/frames/TsSystemMenu.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

constexpr WParam kScContextHelp = 0xF180;
constexpr int kHoverWatchMs = 50;

}  // namespace

// --- Hover, press, clicks --------------------------------------------------------------------------

void TsSkinProvider::SetHotItem(int code) {
  if (code == hotItem_) return;
  const int oldIndex = CaptionButtonSet::indexOfHotCode(hotItem_);
  if (oldIndex >= 0) {
    buttons_.buttons[static_cast<size_t>(oldIndex)].State = 0;
    RedrawButton(oldIndex);
    updateGlow(oldIndex, false);
  }
  hotItem_ = code;
  buttonPressed_ = false;
  const int index = CaptionButtonSet::indexOfHotCode(code);
  if (index >= 0 && buttons_.buttons[static_cast<size_t>(index)].exists) {
    buttons_.buttons[static_cast<size_t>(index)].State = 1;
    RedrawButton(index);
    updateGlow(index, true);
    startHoverWatch();
  }
}

void TsSkinProvider::PressItem(int code) {
  const int index = CaptionButtonSet::indexOfHotCode(code);
  if (index < 0) return;
  CaptionButton& b = buttons_.buttons[static_cast<size_t>(index)];
  if (!b.exists || (index == cbMax && !b.enabled)) return;
  SetHotItem(code);
  b.State = 2;
  buttonPressed_ = true;
  RedrawButton(index);
}

std::optional<LResult> TsSkinProvider::HitTest(Point p) {
  if (!paintsFrame() || metrics_.captionHeight == 0) return std::nullopt;
  const auto [top, bottom] = CaptionButtonSet::hitBand(captionLayout(), buttons_.buttonHeight(isSkinned() ? &SkinData.manager()->model() : nullptr));
  if (p.y >= top && p.y <= bottom) {
    if (metrics_.iconShown && p.x >= metrics_.frameWidth && p.x < metrics_.frameWidth + metrics_.iconSize.width) {
      SetHotItem(0);
      return HTSYSMENU;
    }
    const int index = buttons_.buttonAtX(p.x);
    if (index >= 0) {
      const CaptionButton& b = buttons_.buttons[static_cast<size_t>(index)];
      const Window* w = form_.window();
      const bool minimized = w && w->isMinimized();
      LResult code = HTCAPTION;
      switch (index) {
        case cbClose: code = HTCLOSE; break;
        case cbMax: code = b.enabled ? HTMAXBUTTON : HTCAPTION; break;
        case cbMin: code = b.enabled || minimized ? HTMINBUTTON : HTCAPTION; break;
        case cbHelp: code = HTHELP; break;
        default: break;
      }
      SetHotItem(code == HTCAPTION ? 0 : static_cast<int>(code));
      return code;
    }
  }
  if (GripMode == TsGripMode::gmRightBottom) {
    const Window* w = form_.window();
    const Rect client = w->clientRect();
    if (p.x >= client.right - 16 && p.y >= client.bottom - 16 && client.contains(p)) {
      SetHotItem(0);
      return HTBOTTOMRIGHT;
    }
  }
  SetHotItem(0);
  return std::nullopt;
}

void TsSkinProvider::mouseMoveWhilePressed(Point screen) {
  Window* w = frameWindow();
  if (!w) return;
  const Point p = screen - w->screenOrigin();
  int code = 0;
  const auto [top, bottom] = CaptionButtonSet::hitBand(captionLayout(), buttons_.buttonHeight(isSkinned() ? &SkinData.manager()->model() : nullptr));
  if (p.y >= top && p.y <= bottom && WindowSystem::instance().windowAt(screen) == w) {
    const int index = buttons_.buttonAtX(p.x);
    if (index >= 0) code = CaptionButtonSet::hotCodeOf(index);
  }
  // Leaving the pressed button ends the press; coming back only makes the button hot.
  SetHotItem(code);
}

void TsSkinProvider::releaseOver(Point screen) {
  Window* w = form_.window();
  Window* frame = frameWindow();
  const int index = CaptionButtonSet::indexOfHotCode(hotItem_);
  const bool pressed = buttonPressed_ && index >= 0 && buttons_.buttons[static_cast<size_t>(index)].State == 2;
  const bool inside = index >= 0 && frame && buttons_.buttons[static_cast<size_t>(index)].rect.offsetBy(frame->screenOrigin()).contains(screen);
  if (pressCapture_) {
    pressCapture_ = false;
    if (WindowSystem::instance().capture() == frame) WindowSystem::instance().releaseCapture();
  }
  buttonPressed_ = false;
  SetHotItem(0);
  if (!pressed || !inside || !w) return;
  WParam command = 0;
  switch (index) {
    case cbClose: command = SC_CLOSE; break;
    case cbMax: command = w->isMinimized() ? SC_RESTORE : SC_MAXIMIZE; break;
    case cbMin: command = w->isMinimized() ? SC_RESTORE : SC_MINIMIZE; break;
    case cbHelp: command = kScContextHelp; break;
    default: return;
  }
  w->send(WM_SYSCOMMAND, command, makeLParam(screen.x, screen.y));
}

void TsSkinProvider::startHoverWatch() {
  if (Window* w = frameWindow()) WindowSystem::instance().setTimer(*w, kHoverWatchTimer, kHoverWatchMs);
}

void TsSkinProvider::updateGlow(int index, bool hot) {
  auto& glow = glows_[static_cast<size_t>(index)];
  glow.reset();
  if (!hot || !isSkinned() || index == cbHelp) return;
  TsSkinManager* m = SkinData.manager();
  Window* w = frameWindow();
  if (!m->AllowGlowing || !w || !w->isShowing() || form_.parent()) return;
  if (!WindowSystem::instance().backend().supportsPerPixelAlpha()) return;
  const SkinModel& model = m->model();
  const TsSkinData& d = model.SkinData;
  const CaptionButton& b = buttons_.buttons[static_cast<size_t>(index)];
  int enabled = 0, margin = 0;
  switch (index) {
    case cbClose: enabled = d.BICloseGlow; margin = d.BICloseGlowMargin; break;
    case cbMax: enabled = d.BIMaxGlow; margin = d.BIMaxGlowMargin; break;
    default: enabled = d.BIMinGlow; margin = d.BIMinGlowMargin; break;
  }
  if (enabled <= 0) return;
  const std::string key = std::string(CaptionButtonSet::pictureKey(index, b.LargeSet)) + "GLOW0";
  const int mask = model.FindMask(model.FindSection("GLOBALINFO"), "GLOBALINFO", key);
  if (!model.IsValidMask(mask)) return;
  const Rect screenRect = b.rect.offsetBy(w->screenOrigin());
  glow = std::make_unique<TacGlowEffect>(model, mask, screenRect, screenRect, margin, true);
}

void TsSkinProvider::ShowSystemMenu(Point screen) {
  if (!systemMenu_) return;
  Window* w = form_.window();
  if (!w) return;
  TsSystemMenu::Rules rules;
  rules.largeSet = metrics_.largeSet;
  rules.borderStyle = form_.borderStyle();
  rules.minimized = w->isMinimized();
  rules.hadSystemMenu = hadSystemMenu_;
  rules.minimize = buttons_.buttons[cbMin];
  rules.maximize = buttons_.buttons[cbMax];
  systemMenu_->build(rules);
  // The menu is made here, after the skinner last walked the application's menus: it takes the
  // skinner's handlers (or loses them) now, as the skinner stands.
  if (TsSkinManager* manager = SkinData.manager()) {
    if (auto* skinner = dynamic_cast<TsSkinableMenus*>(manager->menuSkinner())) {
      skinner->applyToMenu(systemMenu_->menu(), skinner->Active());
    }
  }
  SetHotItem(0);
  systemMenu_->popup(screen);
}

}  // namespace tavra
