// The tree view's input: keyboard navigation, type-ahead, clicks, and the window messages
// (focus, scrolling, the wheel, resizing) that drive the view.
#include "framework/controls/TreeView.h"

#include <algorithm>

#include "base/Text.h"
#include "framework/controls/TreeViewParts.h"
#include "winsys/Keys.h"

namespace tavra {

using treeview_parts::kTipTimer;

namespace {

constexpr int kWheelRows = 3;
constexpr TimeMs kTypeAheadPause = 1000;

}  // namespace

// --- Input ---------------------------------------------------------------------------------------

void TCustomTreeView::mousePressed(int x, int y, bool doubleClick) {
  TTreeNode* node = GetNodeAt(x, y);
  if (!node) return;
  switch (GetHitTestInfoAt(x, y)) {
    case THitTest::htOnButton:
      toggle(*node);
      break;
    case THitTest::htOnIcon:
    case THitTest::htOnLabel:
      changeSelection(node);
      if (doubleClick && node->hasChildren()) toggle(*node);
      break;
    default:
      break;
  }
}

bool TCustomTreeView::KeyDown(unsigned& key, TShiftState shift) {
  if (TCustomControl::KeyDown(key, shift)) return true;
  const auto& all = rows();
  if (all.empty()) return false;
  int n = static_cast<int>(all.size());
  int page = visibleCount();
  if (shift & ssCtrl) {
    // Ctrl with the movement keys scrolls and leaves the selection.
    switch (key) {
      case VK_UP: scrollTo(topRow_ - 1); break;
      case VK_DOWN: scrollTo(topRow_ + 1); break;
      case VK_PRIOR: scrollTo(topRow_ - page); break;
      case VK_NEXT: scrollTo(topRow_ + page); break;
      case VK_HOME: scrollTo(0); break;
      case VK_END: scrollTo(n); break;
      default: return false;
    }
    key = 0;
    return true;
  }
  TTreeNode* current = selected_ && selected_->isVisible() ? selected_ : nullptr;
  int row = current ? rowOf(current) : -1;
  auto at = [&](int r) { return all[static_cast<size_t>(std::clamp(r, 0, n - 1))]; };
  TTreeNode* target = nullptr;
  switch (key) {
    case VK_UP: target = row < 0 ? at(0) : at(row - 1); break;
    case VK_DOWN: target = row < 0 ? at(0) : at(row + 1); break;
    case VK_HOME: target = at(0); break;
    case VK_END: target = at(n - 1); break;
    case VK_PRIOR: target = at(std::max(row, 0) - std::max(1, page - 1)); break;
    case VK_NEXT: target = at(std::max(row, 0) + std::max(1, page - 1)); break;
    case VK_LEFT:
      if (!current) target = at(0);
      else if (current->expanded_ && current->hasChildren()) expandNode(*current, false, ExpandCause::User);
      else target = current->parent_;
      break;
    case VK_RIGHT:
      if (!current) target = at(0);
      else if (current->hasChildren() && !current->expanded_) expandNode(*current, true, ExpandCause::User);
      else if (current->hasChildren()) target = current->getFirstChild();
      break;
    case VK_ADD:
      if (current) expandNode(*current, true, ExpandCause::User);
      break;
    case VK_SUBTRACT:
      if (current) expandNode(*current, false, ExpandCause::User);
      break;
    case VK_MULTIPLY:
      if (current) {
        current->Expand(true);
        expandNode(*current, true, ExpandCause::User);
      }
      break;
    case VK_BACK:
      if (current) target = current->parent_;
      break;
    default:
      return false;
  }
  // The row moved to comes into view even when it was selected already.
  if (target && changeSelection(target)) makeVisible(*target);
  key = 0;
  return true;
}

void TCustomTreeView::KeyPress(char32_t& key) {
  TCustomControl::KeyPress(key);
  if (key == 0 || key < 32) return;
  TTreeNode* current = selected_ && selected_->isVisible() ? selected_ : nullptr;
  if (key == U'+' || key == U'-' || key == U'*') {
    if (current && key == U'+') expandNode(*current, true, ExpandCause::User);
    if (current && key == U'-') expandNode(*current, false, ExpandCause::User);
    if (current && key == U'*') current->Expand(true);
    key = 0;
    return;
  }
  typeAhead(key);
  key = 0;
}

// Typing selects the next row whose text starts with what was typed within the last second;
// the same letter typed again moves on to the next row starting with it.
void TCustomTreeView::typeAhead(char32_t ch) {
  TimeMs now = WindowSystem::instance().now();
  if (now - typedAt_ > kTypeAheadPause) typed_.clear();
  typedAt_ = now;
  typed_ += ch;
  const auto& all = rows();
  int n = static_cast<int>(all.size());
  if (n == 0) return;
  int row = std::max(rowOf(selected_), 0);
  bool sameLetter = std::all_of(typed_.begin(), typed_.end(), [&](char32_t c) { return c == typed_.front(); });
  auto search = [&](const std::u32string& prefix, int start) -> TTreeNode* {
    std::string wanted = toUpperUtf8(codePointsToUtf8(prefix));
    for (int i = 0; i < n; ++i) {
      TTreeNode* node = all[static_cast<size_t>((start + i) % n)];
      if (toUpperUtf8(node->text()).starts_with(wanted)) return node;
    }
    return nullptr;
  };
  TTreeNode* found = search(typed_, typed_.size() == 1 ? row + 1 : row);
  if (!found && sameLetter) found = search(typed_.substr(0, 1), row + 1);
  if (found) changeSelection(found);
}

// --- Messages ------------------------------------------------------------------------------------

void TCustomTreeView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      pointerMoved(xFromLParam(m.LParam_), yFromLParam(m.LParam_), (m.WParam_ & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0);
      break;
    case WM_TIMER:
      if (m.WParam_ != kTipTimer) break;
      WindowSystem::instance().killTimer(*window(), kTipTimer);
      showTip();
      return;
    case CM_MOUSELEAVE:
      // The pointer left the view itself (not one of its parts).
      if (m.LParam_ == 0) hideTip();
      break;
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE:
    case WM_DESTROY:
      hideTip();
      break;
    default:
      break;
  }
  if (scrollBar_.handleMessage(m, [this](TMessage& msg) { msg.Result = DefaultHandler(msg); })) return;
  switch (m.Msg) {
    case WM_VSCROLL:
      scrollRequest(loWord(m.WParam_));
      return;
    case WM_MOUSEWHEEL: {
      int notches = scrollBar_.takeWheelNotches(m.WParam_);
      if (notches != 0) scrollTo(topRow_ - notches * kWheelRows);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!focused() && canFocus()) setFocus();
      mousePressed(xFromLParam(m.LParam_), yFromLParam(m.LParam_), m.Msg == WM_LBUTTONDBLCLK);
      TCustomControl::WndProc(m);
      return;
    case WM_SETFOCUS:
      TCustomControl::WndProc(m);
      if (!selected_ && !rows().empty()) changeSelection(rows().front());
      invalidateNode(selected_);
      return;
    case WM_KILLFOCUS:
      TCustomControl::WndProc(m);
      invalidateNode(selected_);
      return;
    case WM_SIZE:
      TCustomControl::WndProc(m);
      updateScrollRange();
      return;
    case CM_FONTCHANGED:
      labelWidths_.clear();
      itemHeight_ = 0;
      TCustomControl::WndProc(m);
      structureChanged();
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

}  // namespace tavra
