// The provider's window procedure: skin commands, hit testing, caption button hover and press,
// clicks, activation, caption text, screen snap and the system menu.
#include "skin/paint/TsSkinProvider.h"

#include "framework/Form.h"
#include "framework/MenuBar.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/ScreenSnap.h"
#include "skin/paint/TacGlowEffect.h"
#include "skin/paint/TsSystemMenu.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

constexpr WParam kScContextHelp = 0xF180;
// While a caption button is hot, the provider looks every 50 ms whether the pointer has left
// the window without a message telling it (nothing else reports leaving the frame).
constexpr std::uintptr_t kHoverWatchTimer = 0x5EC1;
constexpr int kHoverWatchMs = 50;

bool gButtonPressed = false;  // one flag for the process

}  // namespace

bool TsSkinProvider::buttonPressed() { return gButtonPressed; }

TsSkinProvider::TsSkinProvider(TCustomForm& form, TsSkinManager* manager)
    : SkinData(form, ControlKind::SkinProvider), form_(form) {
  SkinData.setSkinManager(manager);
  SkinData.setSkinSection("FORM");
  Window* w = form.window();
  if (!w) return;
  handle_ = w->handle();
  formActive_ = true;
  previous_ = w->setProc([this](Window& win, MessageId msg, WParam wp, LParam lp) { return windowProc(win, msg, wp, lp); });
  if (TsSkinManager* m = SkinData.manager(); m && m->Active()) PrepareForm();
}

TsSkinProvider::~TsSkinProvider() {
  if (gButtonPressed && hotItem_ != 0) gButtonPressed = false;
  for (auto& g : glows_) g.reset();
  if (!WindowSystem::exists()) return;
  Window* w = WindowSystem::instance().find(handle_);
  if (!w) return;
  WindowSystem& ws = WindowSystem::instance();
  ws.killTimer(*w, kHoverWatchTimer);
  if (pressCapture_ && ws.capture() == w) ws.releaseCapture();
  w->setProc(std::move(previous_));
  // The window gets its own frame back: its style, no shape, its classic colour.
  if (hadSystemMenu_) w->setStyle(w->style() | WS_SYSMENU);
  if (w->windowRegion()) w->setWindowRegion(std::nullopt, Redraw::Yes);
  if (UseGlobalColor && !SkinData.customColor() && !form_.isDestroying()) form_.setColor(clBtnFace);
  w->invalidateTree();
}

bool TsSkinProvider::isSkinned() const {
  const TsSkinManager* m = SkinData.manager();
  return m && m->Active() && SkinData.section() != nullptr;
}

bool TsSkinProvider::paintsFrame() const { return DrawNonClientArea && isSkinned(); }

int TsSkinProvider::captionSection() const {
  const TsSkinManager* m = SkinData.manager();
  return m ? m->model().FindSection(TitleSkin.empty() ? "FORMTITLE" : TitleSkin) : -1;
}

int TsSkinProvider::menuLineSection() const {
  const TsSkinManager* m = SkinData.manager();
  if (!m) return -1;
  if (!MenuLineSkin.empty()) {
    const int own = m->model().FindSection(MenuLineSkin);
    if (own >= 0) return own;
  }
  return m->model().FindSection("MENULINE");
}

CaptionLayout TsSkinProvider::captionLayout() const {
  CaptionLayout l;
  const Window* w = form_.window();
  l.windowWidth = w ? w->bounds().width() : form_.width();
  l.frameWidth = metrics_.frameWidth;
  l.frameHeight = metrics_.frameHeight;
  l.captionHeight = metrics_.captionHeight;
  l.largeSet = metrics_.largeSet;
  if (const TsSkinManager* m = SkinData.manager()) {
    const TsSkinData& d = m->model().SkinData;
    l.biSpace = d.BISpace;
    l.biRight = d.BIRight;
    l.biVAlign = d.BIVAlign;
  }
  return l;
}

void TsSkinProvider::measure() {
  metrics_ = computeFrameMetrics(frameTraitsOf(form_, ShowAppIcon));
  const Window* w = form_.window();
  CaptionButtonTraits t;
  t.hadSystemMenu = hadSystemMenu_;
  t.largeSet = metrics_.largeSet;
  t.minimized = w && w->isMinimized();
  t.iconMinimize = (form_.borderIcons() & biMinimize) != 0;
  t.iconMaximize = (form_.borderIcons() & biMaximize) != 0;
  t.iconHelp = (form_.borderIcons() & biHelp) != 0;
  buttons_.decide(t);
  const SkinModel* model = isSkinned() ? &SkinData.manager()->model() : nullptr;
  if (model) buttons_.findPictures(*model, metrics_.largeSet, t);
  buttons_.layout(model, captionLayout());
}

void TsSkinProvider::PrepareForm() {
  Window* w = form_.window();
  if (!w) return;
  if (!PreferredSection.empty()) {
    const TsSkinManager* dm = SkinData.manager();
    const bool has = dm && dm->model().FindSection(PreferredSection) >= 0;
    SkinData.setSkinSection(has ? PreferredSection : "FORM");
  }
  SkinData.ResolveSection();
  if (SkinData.section() && DrawNonClientArea) {
    if (w->style() & WS_SYSMENU) {
      hadSystemMenu_ = true;
      // Without the style the window system draws and answers no buttons of its own.
      w->setStyle(w->style() & ~WS_SYSMENU);
    }
  }
  if (!systemMenu_) {
    systemMenu_ = std::make_unique<TsSystemMenu>();
    systemMenu_->OnCommand = [this](WParam command) {
      if (Window* win = WindowSystem::instance().find(handle_)) win->send(WM_SYSCOMMAND, command, 0);
    };
  }
  measure();
  SkinData.BackgroundDirty = true;
  captionDirty_ = true;
  regionDirty_ = true;
  for (Bitmap& b : backgrounds_) b = Bitmap();
  TsSkinManager* m = SkinData.manager();
  if (!form_.isDestroying() && !form_.isLoading() && UseGlobalColor && !SkinData.customColor() && m && isSkinned()) {
    form_.setColor(m->model().GlobalColor());
  }
  if (OnSkinApplied) OnSkinApplied();
}

// --- The window procedure ------------------------------------------------------------------------

LResult TsSkinProvider::callPrevious(MessageId msg, WParam wParam, LParam lParam) {
  Window* w = WindowSystem::instance().find(handle_);
  if (!w) return 0;
  if (previous_) return previous_(*w, msg, wParam, lParam);
  return WindowSystem::instance().defWindowProc(*w, msg, wParam, lParam);
}

LResult TsSkinProvider::windowProc(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  if (form_.isDestroying()) return callPrevious(msg, wParam, lParam);
  if (msg == SM_SKINCMD) return skinCommand(wParam, lParam);
  const bool frame = paintsFrame();
  switch (msg) {
    case WM_NCPAINT:
      if (!frame) break;
      paintNonClient(wParam > 1 ? reinterpret_cast<const Region*>(wParam) : nullptr);
      return 0;
    case WM_PRINT: {
      auto* canvas = reinterpret_cast<Canvas*>(wParam);
      if (!frame || !canvas || !(lParam & PRF_NONCLIENT)) break;
      if ((lParam & PRF_CHECKVISIBLE) && !w.isVisible()) return 0;
      printNonClient(*canvas);
      return callPrevious(msg, wParam, lParam & ~static_cast<LParam>(PRF_NONCLIENT));
    }
    case WM_ERASEBKGND:
      if (wParam && isSkinned() && eraseClient(*reinterpret_cast<Canvas*>(wParam))) return 1;
      break;
    case WM_NCHITTEST: {
      if (!frame || metrics_.captionHeight == 0) break;
      const Point p = Point{xFromLParam(lParam), yFromLParam(lParam)} - w.screenOrigin();
      if (std::optional<LResult> hit = HitTest(p)) return *hit;
      return callPrevious(msg, wParam, lParam);
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      if (!frame) break;
      const LResult hit = static_cast<LResult>(wParam);
      if (CaptionButtonSet::indexOfHotCode(static_cast<int>(hit)) >= 0) {
        PressItem(static_cast<int>(hit));
        if (gButtonPressed) {
          WindowSystem::instance().setCapture(&w);
          pressCapture_ = true;
        }
        return 0;
      }
      if (hit == HTSYSMENU && msg == WM_NCLBUTTONDBLCLK) {
        w.send(WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
      }
      if (hit == HTSYSMENU) {
        const Point below = w.screenOrigin() + Point{metrics_.frameWidth, metrics_.frameHeight + metrics_.captionHeight};
        ShowSystemMenu(below);
        return 0;
      }
      break;
    }
    case WM_NCLBUTTONUP:
      if (frame && gButtonPressed && hotItem_ != 0) {
        releaseOver({xFromLParam(lParam), yFromLParam(lParam)});
        return 0;
      }
      break;
    case WM_NCRBUTTONDOWN:
      if (frame && (static_cast<LResult>(wParam) == HTCAPTION || static_cast<LResult>(wParam) == HTSYSMENU)) return 0;
      break;
    case WM_NCRBUTTONUP:
      if (frame && (static_cast<LResult>(wParam) == HTCAPTION || static_cast<LResult>(wParam) == HTSYSMENU)) {
        ShowSystemMenu({xFromLParam(lParam), yFromLParam(lParam)});
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (pressCapture_) {
        mouseMoveWhilePressed(w.clientToScreen({xFromLParam(lParam), yFromLParam(lParam)}));
        return 0;
      }
      if (frame) {
        SetHotItem(0);
        if (TsSkinManager* m = SkinData.manager()) m->ReportHotWindow(nullptr);
      }
      break;
    case WM_LBUTTONUP:
      if (pressCapture_) {
        releaseOver(w.clientToScreen({xFromLParam(lParam), yFromLParam(lParam)}));
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (pressCapture_ && WindowSystem::instance().capture() != &w) {
        pressCapture_ = false;
        SetHotItem(0);
      }
      break;
    case WM_NCACTIVATE: {
      const bool active = wParam != 0;
      if (active != formActive_) {
        formActive_ = active;
        captionDirty_ = true;
      }
      const LResult r = callPrevious(msg, wParam, lParam);
      if (frame) {
        if (Window* still = WindowSystem::instance().find(handle_)) still->invalidateFrame();
      }
      return r;
    }
    case WM_SETTEXT: {
      const LResult r = callPrevious(msg, wParam, lParam);
      captionDirty_ = true;
      return r;
    }
    case WM_WINDOWPOSCHANGING:
      if (ScreenSnap && lParam) {
        auto* r = reinterpret_cast<Rect*>(lParam);
        const Size desk = WindowSystem::instance().desktopSize();
        *r = snapToWorkArea(*r, Rect::fromSize(0, 0, desk.width, desk.height), SnapBuffer);
      }
      break;
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE: {
      const LResult r = callPrevious(msg, wParam, lParam);
      if (Window* still = WindowSystem::instance().find(handle_)) {
        if (still->bounds().size() != composedSize_) {
          SkinData.BackgroundDirty = true;
          regionDirty_ = true;
          for (Bitmap& b : backgrounds_) b = Bitmap();
        }
      }
      return r;
    }
    case WM_SYSCOMMAND:
      if (frame && (wParam & 0xFFF0) == SC_KEYMENU && lParam == ' ') {
        ShowSystemMenu(w.screenOrigin() + Point{metrics_.frameWidth, metrics_.frameHeight + metrics_.captionHeight});
        return 0;
      }
      break;
    case WM_TIMER:
      if (wParam == kHoverWatchTimer) {
        WindowSystem& ws = WindowSystem::instance();
        const int index = CaptionButtonSet::indexOfHotCode(hotItem_);
        const bool over = index >= 0 && buttons_.buttons[static_cast<size_t>(index)].rect.offsetBy(w.screenOrigin()).contains(ws.cursorPos()) &&
                          ws.windowAt(ws.cursorPos()) == &w;
        if (!over && !pressCapture_) SetHotItem(0);
        if (hotItem_ == 0) ws.killTimer(w, kHoverWatchTimer);
        return 0;
      }
      break;
    default:
      break;
  }
  return callPrevious(msg, wParam, lParam);
}

LResult TsSkinProvider::skinCommand(WParam wParam, LParam lParam) {
  const SkinCommand command = skinCommandOf(wParam);
  switch (command) {
    case SKC_GETPROVIDER:
      return reinterpret_cast<LResult>(static_cast<SkinFormProvider*>(this));
    case SKC_ISSKINNED:
      return 1;
    case SKC_GETBG:
      answerBackground(lParam);
      return 0;
    case SKC_SIMPLEFILL:
      return SkinData.flags();
    case SKC_GETCOLOR:
      return isSkinned() ? static_cast<LResult>(SkinData.AnswerColor()) : static_cast<LResult>(resolveColor(form_.color()));
    case SKC_REFRESH:
    case SKC_SETSKIN:
    case SKC_REMOVESKIN:
      onSkinChange(command, lParam);
      if (PassCommandsToControls) deliverToControls(form_, wParam, lParam);
      return 0;
    case SKC_FADEDONE:
      if (PassCommandsToControls) deliverToControls(form_, wParam, lParam);
      return 0;
    default:
      return callPrevious(SM_SKINCMD, wParam, lParam);
  }
}

void TsSkinProvider::onSkinChange(unsigned command, LParam managerParam) {
  TsSkinManager* m = SkinData.manager();
  if (!m || managerParam != m->commandParam()) return;
  Window* w = form_.window();
  if (!w) return;
  switch (command) {
    case SKC_REFRESH:
      PrepareForm();
      if (paintsFrame()) w->invalidateFrame();
      break;
    case SKC_SETSKIN:
      SkinData.Revalidate();
      measure();
      SkinData.BackgroundDirty = true;
      captionDirty_ = true;
      regionDirty_ = true;
      for (Bitmap& b : backgrounds_) b = Bitmap();
      for (auto& g : glows_) g.reset();
      if (UseGlobalColor && !SkinData.customColor() && isSkinned()) form_.setColor(m->model().GlobalColor());
      w->invalidateFrame();
      w->invalidate(Erase::Yes);
      if (OnSkinApplied) OnSkinApplied();
      break;
    case SKC_REMOVESKIN:
      removeSkin();
      break;
    default:
      break;
  }
}

void TsSkinProvider::removeSkin() {
  Window* w = form_.window();
  for (auto& g : glows_) g.reset();
  SetHotItem(0);
  if (hadSystemMenu_) {
    w->setStyle(w->style() | WS_SYSMENU);
    hadSystemMenu_ = false;
  }
  w->setWindowRegion(std::nullopt, Redraw::No);
  SkinData.CacheBitmap.resize(0, 0);
  for (Bitmap& b : backgrounds_) b = Bitmap();
  composedSize_ = {};
  regionDirty_ = true;
  if (UseGlobalColor && !SkinData.customColor() && !form_.isDestroying()) form_.setColor(clBtnFace);
  w->invalidateTree();
  if (OnSkinApplied) OnSkinApplied();
}

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
  gButtonPressed = false;
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
  gButtonPressed = true;
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
  Window* w = form_.window();
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
  const int index = CaptionButtonSet::indexOfHotCode(hotItem_);
  const bool pressed = gButtonPressed && index >= 0 && buttons_.buttons[static_cast<size_t>(index)].State == 2;
  const bool inside = index >= 0 && w && buttons_.buttons[static_cast<size_t>(index)].rect.offsetBy(w->screenOrigin()).contains(screen);
  if (pressCapture_) {
    pressCapture_ = false;
    if (WindowSystem::instance().capture() == w) WindowSystem::instance().releaseCapture();
  }
  gButtonPressed = false;
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
  if (Window* w = form_.window()) WindowSystem::instance().setTimer(*w, kHoverWatchTimer, kHoverWatchMs);
}

void TsSkinProvider::updateGlow(int index, bool hot) {
  auto& glow = glows_[static_cast<size_t>(index)];
  glow.reset();
  if (!hot || !isSkinned() || index == cbHelp) return;
  TsSkinManager* m = SkinData.manager();
  Window* w = form_.window();
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
  SetHotItem(0);
  systemMenu_->popup(screen);
}

}  // namespace tavra
