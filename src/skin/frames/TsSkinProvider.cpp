// The provider's set-up and window procedure: binding to the skin, the skin commands, and the
// dispatch of the messages it handles (activation, caption text, screen snap, mouse, keys).
#include "skin/frames/TsSkinProvider.h"

#include "framework/core/Form.h"
#include "framework/menus/MenuBar.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/ControlKinds.h"
#include "skin/frames/ScreenSnap.h"
#include "skin/binding/TacGlowEffect.h"
#include "skin/frames/TsSystemMenu.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// The timer of the hover watch (see TsSkinProviderInput.cpp).
constexpr std::uintptr_t kHoverWatchTimer = TsSkinProvider::kHoverWatchTimer;

}  // namespace

TsSkinProvider::TsSkinProvider(TCustomForm& form, TsSkinManager* manager)
    : SkinData(form, ControlKind::SkinProvider), form_(form) {
  SkinData.setSkinManager(manager);
  SkinData.setSkinSection("FORM");
  Window* w = form.window();
  if (!w) return;
  handle_ = w->handle();
  formActive_ = true;
  previous_ = w->setProc([this](Window& win, MessageId msg, WParam wp, LParam lp) { return windowProc(win, msg, wp, lp); });
  if (TsSkinManager* m = SkinData.manager(); m && m->active()) PrepareForm();
}

TsSkinProvider::~TsSkinProvider() {
  if (hotItem_ != 0) buttonPressed_ = false;
  for (auto& g : glows_) g.reset();
  if (!WindowSystem::exists()) return;
  releaseMinimizedBar();
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
  return m && m->active() && SkinData.section() != nullptr;
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
  l.windowWidth = w ? frameSize().width : form_.width();
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
  if (model) buttons_.findPictures(*model, metrics_.largeSet, t, SkinData.sectionIndex());
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

std::optional<LResult> TsSkinProvider::frameMessage(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  const bool frame = paintsFrame();
  switch (msg) {
    case WM_NCPAINT:
      if (!frame) break;
      paintNonClient(wParam > 1 ? reinterpret_cast<const Region*>(wParam) : nullptr);
      return 0;
    case WM_NCHITTEST: {
      if (!frame || metrics_.captionHeight == 0) break;
      const Point p = Point{xFromLParam(lParam), yFromLParam(lParam)} - w.screenOrigin();
      return HitTest(p);
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      if (!frame) break;
      const LResult hit = static_cast<LResult>(wParam);
      if (CaptionButtonSet::indexOfHotCode(static_cast<int>(hit)) >= 0) {
        PressItem(static_cast<int>(hit));
        if (buttonPressed()) {
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
      if (frame && buttonPressed() && hotItem_ != 0) {
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
  return std::nullopt;
}

LResult TsSkinProvider::windowProc(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  if (form_.isDestroying()) return callPrevious(msg, wParam, lParam);
  if (msg == SM_SKINCMD) return skinCommand(wParam, lParam);
  if (std::optional<LResult> consumed = frameMessage(w, msg, wParam, lParam)) return *consumed;
  const bool frame = paintsFrame();
  switch (msg) {
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
    case WM_PAINT:
      if (paintClient(w)) return 0;
      break;
    case WM_NCACTIVATE: {
      const bool active = wParam != 0;
      if (active != formActive_) {
        formActive_ = active;
        captionDirty_ = true;
      }
      const LResult r = callPrevious(msg, wParam, lParam);
      if (frame) {
        if (Window* still = frameWindow()) still->invalidateFrame();
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
    case WM_SYSCOMMAND: {
      if (frame && (wParam & 0xFFF0) == SC_KEYMENU && lParam == ' ') {
        ShowSystemMenu(w.screenOrigin() + Point{metrics_.frameWidth, metrics_.frameHeight + metrics_.captionHeight});
        return 0;
      }
      const WParam command = wParam & 0xFFF0;
      if (command == SC_MINIMIZE || command == SC_RESTORE) {
        const LResult r = callPrevious(msg, wParam, lParam);
        followMinimizedBar();
        return r;
      }
      break;
    }
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
      // Emptied but not freed: the new skin's pictures are composed in the same storage.
      for (Bitmap& b : backgrounds_) b.resize(0, 0);
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

}  // namespace tavra
