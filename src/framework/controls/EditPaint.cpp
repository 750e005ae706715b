// The edit's display: where each character boundary lies, horizontal scrolling to the caret,
// the blinking caret, and painting the text with its selection.
#include "framework/controls/Edit.h"

#include <algorithm>
#include <cstdlib>

#include "base/Text.h"
#include "framework/controls/EditParts.h"

namespace tavra {

using edit_parts::kBlinkTimer;

namespace {

constexpr int kTextMargin = 2;  // pixels between the client edge and the text, left and right

}  // namespace

// ---- geometry ----

Rect TCustomEdit::textArea() const {
  Rect c = clientRect();
  return {c.left + kTextMargin, c.top, c.right - kTextMargin, c.bottom};
}

std::u32string TCustomEdit::displayChars() const {
  if (passwordChar_ == 0) return chars_;
  return std::u32string(chars_.size(), passwordChar_);
}

const std::vector<int>& TCustomEdit::boundaries() {
  if (boundariesValid_) return boundaries_;
  Bitmap scratch(1, 1);
  Canvas measure(scratch);
  measure.setFont(font());
  std::u32string shown = displayChars();
  boundaries_.assign(shown.size() + 1, 0);
  std::string prefix;
  for (size_t i = 0; i < shown.size(); ++i) {
    appendUtf8(prefix, shown[i]);
    boundaries_[i + 1] = measure.textWidth(prefix);
  }
  boundariesValid_ = true;
  return boundaries_;
}

int TCustomEdit::positionAt(int clientX) {
  const std::vector<int>& b = boundaries();
  int x = clientX - textArea().left + scrollX_;
  int best = 0;
  for (size_t i = 1; i < b.size(); ++i) {
    if (std::abs(b[i] - x) < std::abs(b[static_cast<size_t>(best)] - x)) best = static_cast<int>(i);
  }
  return best;
}

void TCustomEdit::scrollToCaret() {
  if (!handleAllocated()) return;
  int width = std::max(textArea().width(), 1);
  int x = boundaries()[static_cast<size_t>(caret_)];
  int total = boundaries().back();
  if (x - scrollX_ > width - 1) scrollX_ = x - width + 1 + width / 3;
  if (x < scrollX_) scrollX_ = std::max(x - width / 3, 0);
  // Never leave empty room on the right while text lies hidden on the left.
  scrollX_ = std::clamp(scrollX_, 0, std::max(total - width + 1, 0));
  if (x < scrollX_) scrollX_ = x;
}

Rect TCustomEdit::caretRect() {
  Rect area = textArea();
  Bitmap scratch(1, 1);
  Canvas measure(scratch);
  measure.setFont(font());
  int h = measure.textMetrics().height;
  int top = std::max((area.height() - h) / 2, 0);
  int x = area.left + boundaries()[static_cast<size_t>(caret_)] - scrollX_;
  return Rect::fromSize(x, top, 1, std::min(h, area.height()));
}

// ---- caret blink ----

void TCustomEdit::restartBlink() {
  if (!focused()) return;
  caretOn_ = true;
  blinking_ = true;
  WindowSystem::instance().setTimer(*window(), kBlinkTimer, kCaretBlinkMs);
}

void TCustomEdit::stopBlink() {
  if (blinking_ && window() && WindowSystem::exists()) WindowSystem::instance().killTimer(*window(), kBlinkTimer);
  blinking_ = false;
  caretOn_ = false;
}

// ---- painting ----

void TCustomEdit::PaintTextBackground(Canvas& c, const Rect& client) { c.fillRect(client, color()); }

Color TCustomEdit::textInk() const { return enabled() ? font().color : clGrayText; }

void TCustomEdit::PaintWindow(Canvas& c) {
  Rect client = clientRect();
  PaintTextBackground(c, client);
  Rect area = textArea();
  Canvas::StateSaver saver(c);
  c.intersectClip(area);
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  const std::vector<int>& b = boundaries();
  std::string shown = codePointsToUtf8(displayChars());
  int h = c.textMetrics().height;
  int top = std::max((area.height() - h) / 2, 0);
  int x0 = area.left - scrollX_;
  PaintTextContour(c, {x0, top}, shown);
  c.setTextColor(textInk());
  c.textOut(x0, top, shown);
  bool showSelection = SelLength() > 0 && (focused() || !hideSelection_);
  if (showSelection) {
    int s = SelStart(), e = SelStart() + SelLength();
    Rect sel{x0 + b[static_cast<size_t>(s)], top, x0 + b[static_cast<size_t>(e)], top + h};
    Canvas::StateSaver selSaver(c);
    c.intersectClip(sel);
    c.fillRect(sel, clHighlight);
    c.setTextColor(clHighlightText);
    c.textOut(x0, top, shown);
  }
  if (caretVisible()) c.fillRect(caretRect(), clWindowText);
}

}  // namespace tavra
