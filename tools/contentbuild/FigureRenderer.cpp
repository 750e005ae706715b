#include "contentbuild/FigureRenderer.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "contentbuild/PngOutput.h"

namespace tavra::content {
namespace {

constexpr int kSamples = 800;
constexpr FigureColor kAxisColor{0.15, 0.15, 0.15};
constexpr FigureColor kPalette[] = {
    {0.12, 0.31, 0.61}, {0.75, 0.22, 0.17}, {0.18, 0.55, 0.34}, {0.56, 0.27, 0.68}, {0.83, 0.33, 0.0}};

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using ContextPtr = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

struct Frame {
  double left = 0, top = 0, width = 0, height = 0;
  double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
  double px(double x) const { return left + (x - x0) / (x1 - x0) * width; }
  double py(double y) const { return top + height - (y - y0) / (y1 - y0) * height; }
  double ux(double px) const { return x0 + (px - left) / width * (x1 - x0); }
  double uy(double py) const { return y0 + (top + height - py) / height * (y1 - y0); }
};

void setColor(cairo_t* cr, const FigureColor& c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

std::string formatTick(double v) {
  if (std::fabs(v) < 1e-12) v = 0;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", std::fabs(v));
  std::string text = buf;
  std::replace(text.begin(), text.end(), '.', ',');  // the decimal comma of Russian texts
  if (v < 0) text = "\u2212" + text;
  return text;
}

class Painter {
 public:
  Painter(cairo_t* cr, const FigureSource& spec) : cr_(cr), spec_(spec) {}

  Result<bool> paint() {
    layoutFrame();
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
    if (spec_.map.expression) paintMap();
    if (spec_.grid) paintGrid();
    std::size_t colorIndex = 0;
    for (const FigureItem& item : spec_.items) {
      FigureColor color = item.color ? *item.color : kAxisColor;
      if (!item.color && (item.shape == FigureShape::Plot || item.shape == FigureShape::Curve)) {
        color = kPalette[colorIndex++ % std::size(kPalette)];
      }
      if (auto ok = paintItem(item, color); !ok) return ok;
    }
    if (spec_.axes) paintAxes();
    return true;
  }

 private:
  void layoutFrame() {
    const double left = 46, right = 22, top = 22, bottom = 30;
    f_.left = left;
    f_.top = top;
    f_.width = spec_.width - left - right;
    f_.height = spec_.height - top - bottom;
    f_.x0 = spec_.x.min;
    f_.x1 = spec_.x.max;
    f_.y0 = spec_.y.min;
    f_.y1 = spec_.y.max;
    if (spec_.equalScale) {
      const double sx = f_.width / (f_.x1 - f_.x0), sy = f_.height / (f_.y1 - f_.y0);
      const double s = std::min(sx, sy);
      const double w = s * (f_.x1 - f_.x0), h = s * (f_.y1 - f_.y0);
      f_.left += (f_.width - w) / 2;
      f_.top += (f_.height - h) / 2;
      f_.width = w;
      f_.height = h;
    }
  }

  // Diverging colour map, blue for negative and red for positive values, white at zero; pixels
  // where the sign changes to a neighbour form the dark nodal lines.
  void paintMap() {
    const int x0 = static_cast<int>(std::floor(f_.left)), x1 = static_cast<int>(std::ceil(f_.left + f_.width));
    const int y0 = static_cast<int>(std::floor(f_.top)), y1 = static_cast<int>(std::ceil(f_.top + f_.height));
    const int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0) return;
    std::vector<double> values(static_cast<std::size_t>(w) * h, std::nan(""));
    double peak = 0;
    Variables vars;
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        const double x = f_.ux(x0 + i + 0.5), y = f_.uy(y0 + j + 0.5);
        const double r = std::hypot(x, y);
        if (spec_.map.disk && r > 1.0) continue;
        vars["x"] = x;
        vars["y"] = y;
        vars["r"] = r;
        vars["phi"] = std::atan2(y, x);
        const double v = spec_.map.expression->evaluate(vars);
        if (!std::isfinite(v)) continue;
        values[static_cast<std::size_t>(j) * w + i] = v;
        peak = std::max(peak, std::fabs(v));
      }
    }
    if (peak <= 0) peak = 1;
    SurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h), cairo_surface_destroy);
    cairo_surface_flush(image.get());
    unsigned char* data = cairo_image_surface_get_data(image.get());
    const int stride = cairo_image_surface_get_stride(image.get());
    auto at = [&](int i, int j) { return values[static_cast<std::size_t>(j) * w + i]; };
    for (int j = 0; j < h; ++j) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(j) * stride);
      for (int i = 0; i < w; ++i) {
        const double v = at(i, j);
        if (!std::isfinite(v)) { row[i] = 0; continue; }
        const double t = std::clamp(v / peak, -1.0, 1.0);
        double r = 1, g = 1, b = 1;
        if (t > 0) { g = 1 - 0.75 * t; b = 1 - 0.8 * t; r = 1 - 0.1 * t; }
        else { r = 1 + 0.8 * t; g = 1 + 0.55 * t; b = 1 + 0.1 * t; }
        // Nodal lines: a neighbour of strictly opposite sign.
        const auto opposite = [v](double other) { return std::isfinite(other) && v * other < 0; };
        const bool nodal = (i + 1 < w && opposite(at(i + 1, j))) || (j + 1 < h && opposite(at(i, j + 1)));
        if (nodal) r = g = b = 0.1;
        const auto c = [](double x) { return static_cast<std::uint32_t>(std::lround(std::clamp(x, 0.0, 1.0) * 255)); };
        row[i] = 0xFF000000u | c(r) << 16 | c(g) << 8 | c(b);
      }
    }
    cairo_surface_mark_dirty(image.get());
    cairo_set_source_surface(cr_, image.get(), x0, y0);
    cairo_paint(cr_);
    if (spec_.map.disk) {
      setColor(cr_, kAxisColor);
      cairo_set_line_width(cr_, 1.5);
      cairo_new_path(cr_);
      cairo_arc(cr_, f_.px(0), f_.py(0), f_.px(1) - f_.px(0), 0, 2 * M_PI);
      cairo_stroke(cr_);
    }
  }

  std::vector<std::pair<double, std::string>> ticksOf(const FigureAxis& a) const {
    if (!a.ticks.empty()) return a.ticks;
    std::vector<std::pair<double, std::string>> out;
    if (a.tickStep <= 0) return out;
    const long first = static_cast<long>(std::ceil(a.min / a.tickStep - 1e-9));
    const long last = static_cast<long>(std::floor(a.max / a.tickStep + 1e-9));
    for (long k = first; k <= last; ++k) {
      const double v = k * a.tickStep;
      out.emplace_back(v, formatTick(v));
    }
    return out;
  }

  void paintGrid() {
    cairo_set_source_rgb(cr_, 0.88, 0.88, 0.88);
    cairo_set_line_width(cr_, 1);
    for (const auto& [v, label] : ticksOf(spec_.x)) {
      const double x = std::round(f_.px(v)) + 0.5;
      cairo_move_to(cr_, x, f_.top);
      cairo_line_to(cr_, x, f_.top + f_.height);
    }
    for (const auto& [v, label] : ticksOf(spec_.y)) {
      const double y = std::round(f_.py(v)) + 0.5;
      cairo_move_to(cr_, f_.left, y);
      cairo_line_to(cr_, f_.left + f_.width, y);
    }
    cairo_stroke(cr_);
  }

  void arrowHead(double x, double y, double angle, double size = 8) {
    cairo_move_to(cr_, x, y);
    cairo_line_to(cr_, x - size * std::cos(angle - 0.35), y - size * std::sin(angle - 0.35));
    cairo_line_to(cr_, x - size * std::cos(angle + 0.35), y - size * std::sin(angle + 0.35));
    cairo_close_path(cr_);
    cairo_fill(cr_);
  }

  // The axes cross at the origin when it is inside the ranges, else they lie on the frame edge.
  void paintAxes() {
    const double axisY = (f_.y0 <= 0 && 0 <= f_.y1) ? f_.py(0) : f_.top + f_.height;
    const double axisX = (f_.x0 <= 0 && 0 <= f_.x1) ? f_.px(0) : f_.left;
    const bool crossAtOrigin = (f_.y0 <= 0 && 0 <= f_.y1) && (f_.x0 <= 0 && 0 <= f_.x1);
    const double right = f_.left + f_.width + 12, top = f_.top - 12;
    setColor(cr_, kAxisColor);
    cairo_set_line_width(cr_, 1.2);
    cairo_move_to(cr_, f_.left, std::round(axisY) + 0.5);
    cairo_line_to(cr_, right, std::round(axisY) + 0.5);
    cairo_move_to(cr_, std::round(axisX) + 0.5, f_.top + f_.height);
    cairo_line_to(cr_, std::round(axisX) + 0.5, top);
    cairo_stroke(cr_);
    arrowHead(right + 1, std::round(axisY) + 0.5, 0);
    arrowHead(std::round(axisX) + 0.5, top - 1, -M_PI / 2);

    cairo_set_line_width(cr_, 1);
    for (const auto& [v, label] : ticksOf(spec_.x)) {
      const double x = std::round(f_.px(v)) + 0.5;
      cairo_move_to(cr_, x, std::round(axisY) - 3);
      cairo_line_to(cr_, x, std::round(axisY) + 4);
      cairo_stroke(cr_);
      if (crossAtOrigin && std::fabs(v) < 1e-12) continue;
      drawText(label, x, std::round(axisY) + 6, "s", false, 12, Backing::White);
    }
    for (const auto& [v, label] : ticksOf(spec_.y)) {
      const double y = std::round(f_.py(v)) + 0.5;
      cairo_move_to(cr_, std::round(axisX) - 3, y);
      cairo_line_to(cr_, std::round(axisX) + 4, y);
      cairo_stroke(cr_);
      if (crossAtOrigin && std::fabs(v) < 1e-12) continue;
      drawText(label, std::round(axisX) - 6, y, "w", false, 12, Backing::White);
    }
    if (crossAtOrigin) drawText("0", std::round(axisX) - 4, std::round(axisY) + 4, "sw", false, 12);
    if (!spec_.x.label.empty()) drawText(spec_.x.label, right - 2, std::round(axisY) + 6, "sw", true, 14);
    if (!spec_.y.label.empty()) drawText(spec_.y.label, std::round(axisX) + 8, top - 6, "se", true, 14);
  }

  // Draws markup text so that the given anchor of its box lies at (x, y). The anchor names the
  // side of the point the text lies on: "s" puts the text below the point, "ne" above right.
  enum class Backing { None, White };
  void drawText(const std::string& markup, double x, double y, const std::string& anchor, bool serif,
                int pixelSize, Backing backing = Backing::None) {
    PangoLayout* layout = pango_cairo_create_layout(cr_);
    PangoFontDescription* font = pango_font_description_from_string(serif ? "Liberation Serif" : "Liberation Sans");
    pango_font_description_set_absolute_size(font, pixelSize * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_markup(layout, markup.c_str(), -1);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    double left = x - w / 2.0, top = y - h / 2.0;
    if (anchor.find('n') != std::string::npos) top = y - h;
    if (anchor.find('s') != std::string::npos) top = y;
    if (anchor.find('e') != std::string::npos) left = x;
    if (anchor.find('w') != std::string::npos) left = x - w;
    if (backing == Backing::White) {
      cairo_set_source_rgb(cr_, 1, 1, 1);
      cairo_rectangle(cr_, std::round(left) - 1, std::round(top) + 1, w + 2, h - 2);
      cairo_fill(cr_);
    }
    setColor(cr_, kAxisColor);
    cairo_move_to(cr_, std::round(left), std::round(top));
    pango_cairo_show_layout(cr_, layout);
    g_object_unref(layout);
  }

  // A label beside a point of an item, a few pixels away on the side its anchor names.
  void drawLabel(const FigureItem& item, double x, double y, const std::string& defaultAnchor) {
    const std::string anchor = item.anchor.empty() ? defaultAnchor : item.anchor;
    constexpr double kGap = 4;
    if (anchor.find('n') != std::string::npos) y -= kGap;
    if (anchor.find('s') != std::string::npos) y += kGap;
    if (anchor.find('e') != std::string::npos) x += kGap;
    if (anchor.find('w') != std::string::npos) x -= kGap;
    drawText(item.label, x, y, anchor, true, 14);
  }

  Result<bool> checkMarkup(const FigureItem& item) {
    if (item.label.empty()) return true;
    GError* error = nullptr;
    if (!pango_parse_markup(item.label.c_str(), -1, 0, nullptr, nullptr, nullptr, &error)) {
      std::string message = error ? error->message : "bad markup";
      if (error) g_error_free(error);
      return Error{"figure line " + std::to_string(item.line) + ": label: " + message};
    }
    return true;
  }

  void strokeStyle(const FigureItem& item, const FigureColor& color) {
    setColor(cr_, color);
    cairo_set_line_width(cr_, item.width);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    if (item.dashed) {
      const double dashes[] = {6, 4};
      cairo_set_dash(cr_, dashes, 2, 0);
    } else {
      cairo_set_dash(cr_, nullptr, 0, 0);
    }
  }

  // Samples a curve and strokes it, breaking the path where it is undefined.
  void strokeSampled(const FigureItem& item, double from, double to, const FigureColor& color) {
    Variables vars = item.variables;
    cairo_save(cr_);
    cairo_rectangle(cr_, f_.left - 1, f_.top - 1, f_.width + 2, f_.height + 2);
    cairo_clip(cr_);
    cairo_new_path(cr_);
    bool open = false;
    for (int k = 0; k <= kSamples; ++k) {
      const double s = from + (to - from) * k / kSamples;
      double x = s, y = 0;
      if (item.shape == FigureShape::Plot) {
        vars["x"] = s;
        y = item.expressions[0].evaluate(vars);
      } else {
        vars["s"] = s;
        x = item.expressions[0].evaluate(vars);
        y = item.expressions[1].evaluate(vars);
      }
      if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(y) > 1e6 || std::fabs(x) > 1e6) {
        open = false;
        continue;
      }
      if (open) cairo_line_to(cr_, f_.px(x), f_.py(y));
      else cairo_move_to(cr_, f_.px(x), f_.py(y));
      open = true;
    }
    strokeStyle(item, color);
    cairo_stroke(cr_);
    cairo_restore(cr_);
  }

  std::pair<double, double> pointOf(const FigureItem& item, std::size_t k) const {
    return {f_.px(item.coordinates[2 * k]), f_.py(item.coordinates[2 * k + 1])};
  }

  Result<bool> paintItem(const FigureItem& item, const FigureColor& color) {
    if (auto ok = checkMarkup(item); !ok) return ok;
    switch (item.shape) {
      case FigureShape::Plot: {
        const double from = item.from.value_or(spec_.x.min), to = item.to.value_or(spec_.x.max);
        strokeSampled(item, from, to, color);
        if (!item.label.empty()) {
          Variables vars = item.variables;
          vars["x"] = item.labelAt.value_or((from + to) / 2);
          const double y = item.expressions[0].evaluate(vars);
          drawLabel(item, f_.px(vars["x"]), f_.py(y), "ne");
        }
        break;
      }
      case FigureShape::Curve:
        strokeSampled(item, item.from.value_or(0), item.to.value_or(1), color);
        break;
      case FigureShape::Line:
      case FigureShape::Arrow: {
        auto [ax, ay] = pointOf(item, 0);
        auto [bx, by] = pointOf(item, 1);
        strokeStyle(item, color);
        cairo_move_to(cr_, ax, ay);
        cairo_line_to(cr_, bx, by);
        cairo_stroke(cr_);
        cairo_set_dash(cr_, nullptr, 0, 0);
        if (item.shape == FigureShape::Arrow) arrowHead(bx, by, std::atan2(by - ay, bx - ax), 6 + 2 * item.width);
        if (!item.label.empty()) {
          drawText(item.label, (ax + bx) / 2, (ay + by) / 2, item.anchor.empty() ? "ne" : item.anchor, true, 14);
        }
        break;
      }
      case FigureShape::Polygon: {
        const std::size_t n = item.coordinates.size() / 2;
        for (std::size_t k = 0; k < n; ++k) {
          auto [x, y] = pointOf(item, k);
          if (k == 0) cairo_move_to(cr_, x, y);
          else cairo_line_to(cr_, x, y);
        }
        cairo_close_path(cr_);
        if (item.fill) {
          setColor(cr_, *item.fill, 0.55);
          cairo_fill_preserve(cr_);
        }
        strokeStyle(item, color);
        cairo_stroke(cr_);
        break;
      }
      case FigureShape::Point: {
        auto [x, y] = pointOf(item, 0);
        setColor(cr_, color);
        cairo_new_path(cr_);
        cairo_arc(cr_, x, y, 3.2, 0, 2 * M_PI);
        cairo_fill(cr_);
        if (!item.label.empty()) drawLabel(item, x, y, "ne");
        break;
      }
      case FigureShape::Text: {
        auto [x, y] = pointOf(item, 0);
        drawText(item.label, x, y, item.anchor.empty() ? "c" : item.anchor, true, 14);
        break;
      }
    }
    return true;
  }

  cairo_t* cr_;
  const FigureSource& spec_;
  Frame f_;
};

}  // namespace

Result<std::string> FigureRenderer::renderPng(const FigureSource& spec) {
  SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, spec.width, spec.height),
                     cairo_surface_destroy);
  ContextPtr cr(cairo_create(surface.get()), cairo_destroy);
  Painter painter(cr.get(), spec);
  if (auto ok = painter.paint(); !ok) return Error{ok.error()};
  cairo_surface_flush(surface.get());
  return surfaceToPng(surface.get());
}

}  // namespace tavra::content
