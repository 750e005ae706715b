#include "winsys/ClassicFrame.h"

#include "winsys/SystemMetrics.h"
#include "winsys/Window.h"

namespace tavra::ClassicFrame {
namespace {

Color sys(SysColor c) { return systemColorValue(static_cast<int>(c)); }

// Two-pixel 3-D edge: raised (light outside, highlight inside) or sunken.
void drawEdge(Canvas& c, Rect r, bool raised) {
  Color outerTL = raised ? sys(SysColor::Light3D) : sys(SysColor::BtnShadow);
  Color outerBR = raised ? sys(SysColor::DarkShadow3D) : sys(SysColor::BtnHighlight);
  Color innerTL = raised ? sys(SysColor::BtnHighlight) : sys(SysColor::DarkShadow3D);
  Color innerBR = raised ? sys(SysColor::BtnShadow) : sys(SysColor::Light3D);
  for (int ring = 0; ring < 2; ++ring) {
    Color tl = ring == 0 ? outerTL : innerTL;
    Color br = ring == 0 ? outerBR : innerBR;
    c.fillRect({r.left, r.top, r.right - 1, r.top + 1}, tl);
    c.fillRect({r.left, r.top, r.left + 1, r.bottom - 1}, tl);
    c.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, br);
    c.fillRect({r.right - 1, r.top, r.right, r.bottom}, br);
    r = r.inflatedBy(-1, -1);
  }
}

enum class Glyph { Close, Minimize, Maximize, Restore };

//  Caption button glyphs, drawn as shapes in the middle of the face:
//   close ×: two 2-pixel diagonals; minimise _: a 6 × 2 bar at the bottom;
//   maximise □: a 9 × 8 box with a 2-pixel top; restore: two 6 × 6 boxes, the front one
//   lower left, each with a 2-pixel top.
void drawGlyph(Canvas& c, const Rect& face, Glyph kind, bool pushed, bool enabled) {
  int ox = face.left + (face.width() - 8) / 2 + (pushed ? 1 : 0);
  int oy = face.top + (face.height() - 7) / 2 + (pushed ? 1 : 0);
  auto draw = [&](int dx, int dy, Color col) {
    int x = ox + dx, y = oy + dy;
    if (kind == Glyph::Close) {
      for (int i = 0; i < 7; ++i) {
        c.fillRect(Rect::fromSize(x + i, y + i, 2, 1), col);
        c.fillRect(Rect::fromSize(x + 6 - i, y + i, 2, 1), col);
      }
    } else if (kind == Glyph::Minimize) {
      c.fillRect(Rect::fromSize(x + 1, y + 5, 6, 2), col);
    } else if (kind == Glyph::Restore) {
      c.frameRect(Rect::fromSize(x + 3, y - 1, 6, 6), col);
      c.fillRect(Rect::fromSize(x + 3, y, 6, 1), col);
      c.fillRect(Rect::fromSize(x, y + 2, 6, 6), sys(SysColor::BtnFace));
      c.frameRect(Rect::fromSize(x, y + 2, 6, 6), col);
      c.fillRect(Rect::fromSize(x, y + 3, 6, 1), col);
    } else {
      c.frameRect(Rect::fromSize(x, y - 1, 9, 8), col);
      c.fillRect(Rect::fromSize(x, y, 9, 1), col);
    }
  };
  if (!enabled) draw(1, 1, sys(SysColor::BtnHighlight));
  draw(0, 0, enabled ? sys(SysColor::BtnText) : sys(SysColor::GrayText));
}

}  // namespace

FrameGeometry geometry(const Window& w) { return geometry(w.style(), w.exStyle(), w.bounds().width()); }

FrameGeometry geometry(std::uint32_t s, std::uint32_t ex, int width) {
  FrameGeometry g;
  if (s & WS_THICKFRAME) {
    g.border = systemMetric(Metric::SizingFrame);
    g.sizing = true;
  } else if ((s & WS_DLGFRAME) || (ex & WS_EX_DLGMODALFRAME)) {
    g.border = systemMetric(Metric::DialogFrame);
  } else if (s & WS_BORDER) {
    g.border = systemMetric(Metric::Border);
  }
  if (ex & WS_EX_CLIENTEDGE) g.edge = systemMetric(Metric::Edge);
  else if (ex & WS_EX_STATICEDGE) g.edge = systemMetric(Metric::Border);
  if ((s & WS_CAPTION) == WS_CAPTION) {
    bool tool = (ex & WS_EX_TOOLWINDOW) != 0;
    int height = systemMetric(tool ? Metric::SmallCaptionHeight : Metric::CaptionHeight);
    // The caption's last row is a line of button face below the bar.
    g.caption = {g.border, g.border, width - g.border, g.border + height - 1};
    int bw = tool ? 12 : systemMetric(Metric::CaptionButtonWidth);
    int bh = tool ? 11 : systemMetric(Metric::CaptionButtonHeight);
    int top = g.caption.top + (g.caption.height() - bh) / 2;
    int right = g.caption.right - 2;
    if (s & WS_SYSMENU) {
      g.closeButton = Rect::fromSize(right - bw, top, bw, bh);
      right = g.closeButton.left - 2;
      if (!tool && (s & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        g.maxButton = Rect::fromSize(right - bw, top, bw, bh);
        g.minButton = Rect::fromSize(g.maxButton.left - bw, top, bw, bh);
      }
    }
  }
  return g;
}

Rect clientRect(const Window& w, const Rect& r) { return clientRect(w.style(), w.exStyle(), r); }

Rect clientRect(std::uint32_t style, std::uint32_t exStyle, const Rect& r) {
  FrameGeometry g = geometry(style, exStyle, r.width());
  int inset = g.border + g.edge;
  Rect c{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
  if (!g.caption.isEmpty()) c.top += g.caption.height() + 1;
  return c;
}

LResult hitTest(const Window& w, Point p) {
  FrameGeometry g = geometry(w);
  if (g.closeButton.contains(p)) return HTCLOSE;
  if (g.maxButton.contains(p)) return HTMAXBUTTON;
  if (g.minButton.contains(p)) return HTMINBUTTON;
  if (g.caption.contains(p)) return HTCAPTION;
  if (!w.isTopLevel()) return HTBORDER;
  if (g.sizing) {
    int width = w.bounds().width(), height = w.bounds().height();
    const int corner = systemMetric(Metric::CaptionHeight) - 3;
    bool left = p.x < g.border, right = p.x >= width - g.border;
    bool top = p.y < g.border, bottom = p.y >= height - g.border;
    bool nearLeft = p.x < corner, nearRight = p.x >= width - corner;
    bool nearTop = p.y < corner, nearBottom = p.y >= height - corner;
    if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
  }
  return HTBORDER;
}

void paint(const Window& w, Canvas& c, bool active, LResult pressed) {
  FrameGeometry g = geometry(w);
  Rect whole = Rect::fromSize(0, 0, w.bounds().width(), w.bounds().height());
  Rect r = whole;
  if (g.border == 1) {
    c.frameRect(r, sys(SysColor::WindowFrame));
  } else if (g.border >= 2) {
    drawEdge(c, r, true);
    for (int i = 2; i < g.border; ++i) c.frameRect(r.inflatedBy(-i, -i), sys(SysColor::BtnFace));
  }
  r = r.inflatedBy(-g.border, -g.border);
  if (!g.caption.isEmpty()) {
    Color from = sys(active ? SysColor::ActiveCaption : SysColor::InactiveCaption);
    Color to = sys(active ? SysColor::GradientActiveCaption : SysColor::GradientInactiveCaption);
    c.gradientFillRect(g.caption, from, to, GradientDirection::Horizontal);
    c.fillRect({g.caption.left, g.caption.bottom, g.caption.right, g.caption.bottom + 1}, sys(SysColor::BtnFace));
    Canvas::StateSaver saver(c);
    Font f = (w.exStyle() & WS_EX_TOOLWINDOW) ? systemFont() : captionFont();
    if (w.exStyle() & WS_EX_TOOLWINDOW) f.style |= fsBold;
    f.color = sys(active ? SysColor::CaptionText : SysColor::InactiveCaptionText);
    c.setFont(f);
    c.setBackgroundMode(BackgroundMode::Transparent);
    int textRight = g.caption.right - 2;
    if (!g.minButton.isEmpty()) textRight = g.minButton.left - 2;
    else if (!g.closeButton.isEmpty()) textRight = g.closeButton.left - 2;
    Rect text{g.caption.left + 3, g.caption.top, textRight, g.caption.bottom};
    c.drawText(w.text(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    for (LResult kind : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
      Rect b = kind == HTCLOSE ? g.closeButton : kind == HTMAXBUTTON ? g.maxButton : g.minButton;
      if (b.isEmpty()) continue;
      bool pushed = pressed == kind;
      bool enabled = kind == HTCLOSE || (kind == HTMAXBUTTON ? (w.style() & WS_MAXIMIZEBOX) != 0 : (w.style() & WS_MINIMIZEBOX) != 0);
      c.fillRect(b, sys(SysColor::BtnFace));
      drawEdge(c, b, !pushed);
      Glyph glyph = kind == HTCLOSE ? Glyph::Close : kind == HTMAXBUTTON ? Glyph::Maximize : Glyph::Minimize;
      if (kind == HTMINBUTTON && w.className() == kMinimizedBarClass) glyph = Glyph::Restore;
      drawGlyph(c, b, glyph, pushed, enabled);
    }
    r.top = g.caption.bottom + 1;
  }
  if (g.edge == 2) drawEdge(c, r, false);
  else if (g.edge == 1) c.frameRect(r, sys(SysColor::BtnShadow));
}

}  // namespace tavra::ClassicFrame
