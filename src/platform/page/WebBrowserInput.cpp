// The page viewer's input: its messages (mouse, wheel, pointer shape), its keys and its context
// menu.
#include "platform/page/WebBrowser.h"

#include "platform/page/WebBrowserDetail.h"
#include "winsys/Keys.h"

namespace tavra {

using namespace webbrowser_detail;

namespace {

constexpr unsigned kKeyF = 0x46;
constexpr unsigned kKeyF3 = 0x72;

// The pointer over a document point: the hand over a link, the I-beam over selectable text.
TCursor pageCursorAt(PageDocument& document, Point p) {
  if (!document.hrefAt(p).empty()) return crHandPoint;
  if (document.text().runUnder(p) >= 0) return crIBeam;
  return crArrow;
}

}  // namespace

// --- Messages ------------------------------------------------------------------------------------

void TWebBrowser::WndProc(TMessage& m) {
  // The vertical bar first; what it passes on to the default handling (the frame size and
  // paint) and what it does not take goes to the horizontal bar.
  auto callDefault = [this](TMessage& msg) { msg.Result = DefaultHandler(msg); };
  auto horizontalThenDefault = [&](TMessage& msg) {
    if (!hScrollBar_.handleMessage(msg, callDefault)) callDefault(msg);
  };
  bool taken = scrollBar_.handleMessage(m, horizontalThenDefault) || hScrollBar_.handleMessage(m, callDefault);
  if (m.Msg == WM_NCPAINT || m.Msg == WM_PRINT) paintCorner(m);
  if (taken) return;
  switch (m.Msg) {
    case WM_VSCROLL:
      scrollRequest(loWord(m.WParam_));
      return;
    case WM_HSCROLL:
      horizontalScrollRequest(loWord(m.WParam_));
      return;
    case WM_MOUSEWHEEL: {
      // Ctrl zooms, a step a notch; Shift turns the wheel sideways.
      if (loWord(m.WParam_) & MK_CONTROL) {
        int notches = scrollBar_.takeWheelNotches(m.WParam_);
        for (; notches > 0; --notches) ZoomIn();
        for (; notches < 0; ++notches) ZoomOut();
        return;
      }
      if (loWord(m.WParam_) & MK_SHIFT) {
        int notches = hScrollBar_.takeWheelNotches(m.WParam_);
        if (notches != 0) scrollToX(scrollX_ - notches * kWheelLines * kLineStep);
        return;
      }
      int notches = scrollBar_.takeWheelNotches(m.WParam_);
      if (notches != 0) scrollTo(scrollY_ - notches * kWheelLines * kLineStep);
      return;
    }
    case WM_XBUTTONUP:
      // The mouse's side buttons go back and forward, as in a browser.
      if (hiWord(m.WParam_) == XBUTTON1) GoBack();
      else if (hiWord(m.WParam_) == XBUTTON2) GoForward();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!focused() && canFocus()) setFocus();
      pressed({xFromLParam(m.LParam_), yFromLParam(m.LParam_)}, m.Msg == WM_LBUTTONDBLCLK);
      TCustomControl::WndProc(m);
      return;
    case WM_SETCURSOR:
      if (document_ && window() && m.WParam_ == window()->handle() && xFromLParam(m.LParam_) == HTCLIENT) {
        Point client = window()->screenToClient(WindowSystem::instance().cursorPos());
        WindowSystem::instance().setCursor(cursorShapeFor(pageCursorAt(*document_, toDocument(client))));
        m.Result = 1;
        return;
      }
      TCustomControl::WndProc(m);
      return;
    case WM_MOUSEMOVE:
      dragged({xFromLParam(m.LParam_), yFromLParam(m.LParam_)});
      TCustomControl::WndProc(m);
      return;
    case WM_LBUTTONUP: {
      TCustomControl::WndProc(m);
      released({xFromLParam(m.LParam_), yFromLParam(m.LParam_)});
      return;
    }
    case WM_CAPTURECHANGED:
      selecting_ = dragging_ = false;
      WindowSystem::instance().killTimer(*loaderWindow_, kAutoScrollTimer);
      TCustomControl::WndProc(m);
      return;
    case WM_SIZE:
      TCustomControl::WndProc(m);
      if (findBar_ && findBar_->visible()) placeFindBar();
      relayout();
      return;
    case WM_RBUTTONUP:
      TCustomControl::WndProc(m);
      ShowContextMenu(clientToScreen({xFromLParam(m.LParam_), yFromLParam(m.LParam_)}));
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

// --- Keys ----------------------------------------------------------------------------------------

bool TWebBrowser::KeyDown(unsigned& key, TShiftState shift) {
  if (TCustomControl::KeyDown(key, shift)) return true;
  // The context menu's shortcuts (Alt+Left, Alt+Right, Ctrl+C, Ctrl+A, Ctrl+F, Ctrl+0) choose
  // its items: the keys the menu shows are the keys that work.
  if (contextMenu_->IsShortCut(key, shift)) {
    key = 0;
    return true;
  }
  bool ctrl = (shift & ssCtrl) != 0;
  bool alt = (shift & ssAlt) != 0;
  // With Alt the rest belongs to the window: Alt+Space opens its system menu, Alt+letter its
  // menus, Alt+F4 closes it.
  if (alt) return false;
  switch (key) {
    case VK_UP: scrollRequest(SB_LINEUP); break;
    case VK_DOWN: scrollRequest(SB_LINEDOWN); break;
    case VK_LEFT:
    case VK_RIGHT:
      if (!hScrollBar_.scrollable()) return false;
      horizontalScrollRequest(key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT);
      break;
    case VK_BACK:
      if (shift & ssShift) GoForward();
      else GoBack();
      break;
    case VK_OEM_PLUS:
    case VK_ADD:
      if (!ctrl) return false;
      ZoomIn();
      break;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
      if (!ctrl) return false;
      ZoomOut();
      break;
    case VK_NUMPAD0:
      if (!ctrl) return false;
      setZoom(100);
      break;
    case VK_PRIOR: scrollRequest(SB_PAGEUP); break;
    case VK_NEXT: scrollRequest(SB_PAGEDOWN); break;
    case VK_SPACE: scrollRequest((shift & ssShift) ? SB_PAGEUP : SB_PAGEDOWN); break;
    case VK_HOME: scrollRequest(SB_TOP); break;
    case VK_END: scrollRequest(SB_BOTTOM); break;
    case VK_INSERT:
      if (!ctrl) return false;
      CopyToClipboard();
      break;
    case kKeyF3:
      if (findQuery_.empty()) {
        ShowFind();
      } else {
        FindNext((shift & ssShift) != 0);
      }
      break;
    case VK_ESCAPE:
      if (!findBar_->visible()) return false;
      CloseFind();
      break;
    case VK_APPS:
    case VK_F10:
      if (key == VK_F10 && !(shift & ssShift)) return false;
      ShowContextMenu(clientToScreen({clientWidth() / 3, clientHeight() / 3}));
      break;
    default:
      return false;
  }
  key = 0;
  return true;
}

// --- Context menu ---------------------------------------------------------------------------------

void TWebBrowser::buildContextMenu() {
  contextMenu_ = &make<TPopupMenu>();
  auto add = [this](TMenuItem& parent, const std::string& caption, std::function<void()> action) -> TMenuItem& {
    TMenuItem& item = make<TMenuItem>();
    item.setCaption(caption);
    if (action) item.OnClick = [action = std::move(action)](TComponent&) { action(); };
    parent.Add(item);
    return item;
  };
  TMenuItem& root = contextMenu_->Items();
  add(root, "Назад", [this] { GoBack(); }).setShortCut({VK_LEFT, ssAlt});
  add(root, "Вперёд", [this] { GoForward(); }).setShortCut({VK_RIGHT, ssAlt});
  add(root, "-", nullptr);
  add(root, "Копировать", [this] { CopyToClipboard(); }).setShortCut({VK_C, ssCtrl});
  add(root, "Выделить всё", [this] { SelectAll(); }).setShortCut({VK_A, ssCtrl});
  add(root, "-", nullptr);
  add(root, "Найти…", [this] { ShowFind(); }).setShortCut({kKeyF, ssCtrl});
  TMenuItem& zoom = add(root, "Масштаб", nullptr);
  for (int step : kZoomSteps) {
    TMenuItem& item = add(zoom, std::to_string(step) + " %", [this, step] { setZoom(step); });
    item.setRadioItem(true);
    if (step == 100) item.setShortCut({VK_0, ssCtrl});
  }
  contextMenu_->OnPopup = [this, &root, &zoom](TComponent&) {
    root.items(0)->setEnabled(canGoBack());
    root.items(1)->setEnabled(canGoForward());
    root.items(3)->setEnabled(!selectedText().empty());
    root.items(4)->setEnabled(document_ != nullptr);
    for (int i = 0; i < zoom.count(); ++i) zoom.items(i)->setChecked(kZoomSteps[i] == zoom_);
  };
}

void TWebBrowser::ShowContextMenu(Point screen) {
  contextMenu_->setPopupComponent(this);
  contextMenu_->Popup(screen.x, screen.y);
}

}  // namespace tavra
