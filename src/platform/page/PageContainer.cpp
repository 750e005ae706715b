#include "platform/page/PageContainer.h"

#include <glib.h>

#include <algorithm>
#include <cmath>

#include "base/Text.h"
#include "platform/mhtml/CharsetDecoding.h"
#include "platform/page/HtmlPreprocessor.h"
#include "platform/page/PageFontElement.h"
#include "platform/page/PageImageElement.h"
#include "platform/mhtml/Url.h"

namespace tavra {
namespace {

constexpr int kUnbounded = 1 << 24;

void setColor(cairo_t* cr, const litehtml::web_color& c) {
  cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
}

litehtml::web_color shaded(const litehtml::web_color& c, double factor) {
  auto scale = [factor](int v) { return static_cast<litehtml::byte>(std::clamp(static_cast<int>(v * factor), 0, 255)); };
  return {scale(c.red), scale(c.green), scale(c.blue), c.alpha};
}

void roundedRectangle(cairo_t* cr, const litehtml::position& pos, const litehtml::border_radiuses& r) {
  cairo_new_path(cr);
  double x = pos.x, y = pos.y, w = pos.width, h = pos.height;
  auto corner = [cr](double cx, double cy, double rx, double ry, double from, double to) {
    if (rx <= 0 || ry <= 0) {
      cairo_line_to(cr, cx, cy);
      return;
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, from, to);
    cairo_restore(cr);
  };
  constexpr double kPi = 3.14159265358979323846;
  corner(x + r.top_left_x, y + r.top_left_y, r.top_left_x, r.top_left_y, kPi, 1.5 * kPi);
  if (r.top_left_x <= 0 || r.top_left_y <= 0) cairo_move_to(cr, x, y);
  corner(x + w - r.top_right_x, y + r.top_right_y, r.top_right_x, r.top_right_y, 1.5 * kPi, 2 * kPi);
  if (r.top_right_x <= 0 || r.top_right_y <= 0) cairo_line_to(cr, x + w, y);
  corner(x + w - r.bottom_right_x, y + h - r.bottom_right_y, r.bottom_right_x, r.bottom_right_y, 0, 0.5 * kPi);
  if (r.bottom_right_x <= 0 || r.bottom_right_y <= 0) cairo_line_to(cr, x + w, y + h);
  corner(x + r.bottom_left_x, y + h - r.bottom_left_y, r.bottom_left_x, r.bottom_left_y, 0.5 * kPi, kPi);
  if (r.bottom_left_x <= 0 || r.bottom_left_y <= 0) cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
}

bool hasRadius(const litehtml::border_radiuses& r) {
  return r.top_left_x || r.top_left_y || r.top_right_x || r.top_right_y || r.bottom_right_x || r.bottom_right_y ||
         r.bottom_left_x || r.bottom_left_y;
}

bool isDrawn(const litehtml::border& b) {
  return b.width > 0 && b.style != litehtml::border_style_none && b.style != litehtml::border_style_hidden;
}

enum class Side { Top, Right, Bottom, Left };

// One side of a border box as a trapezoid: outer edge, then inner edge (mitred corners).
void sidePath(cairo_t* cr, const litehtml::position& p, const litehtml::borders& b, Side side, double from, double to) {
  // `from`/`to` select a band of the side's width (0 = outer edge, 1 = inner edge).
  double l = b.left.width, t = b.top.width, r = b.right.width, bt = b.bottom.width;
  double x0 = p.x, y0 = p.y, x1 = p.x + p.width, y1 = p.y + p.height;
  auto at = [](double outer, double inner, double f) { return outer + (inner - outer) * f; };
  cairo_new_path(cr);
  switch (side) {
    case Side::Top:
      cairo_move_to(cr, at(x0, x0 + l, from), at(y0, y0 + t, from));
      cairo_line_to(cr, at(x1, x1 - r, from), at(y0, y0 + t, from));
      cairo_line_to(cr, at(x1, x1 - r, to), at(y0, y0 + t, to));
      cairo_line_to(cr, at(x0, x0 + l, to), at(y0, y0 + t, to));
      break;
    case Side::Bottom:
      cairo_move_to(cr, at(x0, x0 + l, from), at(y1, y1 - bt, from));
      cairo_line_to(cr, at(x1, x1 - r, from), at(y1, y1 - bt, from));
      cairo_line_to(cr, at(x1, x1 - r, to), at(y1, y1 - bt, to));
      cairo_line_to(cr, at(x0, x0 + l, to), at(y1, y1 - bt, to));
      break;
    case Side::Left:
      cairo_move_to(cr, at(x0, x0 + l, from), at(y0, y0 + t, from));
      cairo_line_to(cr, at(x0, x0 + l, from), at(y1, y1 - bt, from));
      cairo_line_to(cr, at(x0, x0 + l, to), at(y1, y1 - bt, to));
      cairo_line_to(cr, at(x0, x0 + l, to), at(y0, y0 + t, to));
      break;
    case Side::Right:
      cairo_move_to(cr, at(x1, x1 - r, from), at(y0, y0 + t, from));
      cairo_line_to(cr, at(x1, x1 - r, from), at(y1, y1 - bt, from));
      cairo_line_to(cr, at(x1, x1 - r, to), at(y1, y1 - bt, to));
      cairo_line_to(cr, at(x1, x1 - r, to), at(y0, y0 + t, to));
      break;
  }
  cairo_close_path(cr);
}

void drawSide(cairo_t* cr, const litehtml::position& p, const litehtml::borders& b, Side side) {
  const litehtml::border& s = side == Side::Top ? b.top : side == Side::Right ? b.right : side == Side::Bottom ? b.bottom : b.left;
  if (!isDrawn(s)) return;
  bool topLeft = side == Side::Top || side == Side::Left;
  switch (s.style) {
    case litehtml::border_style_dotted:
    case litehtml::border_style_dashed: {
      double w = s.width;
      double x0 = p.x, y0 = p.y, x1 = p.x + p.width, y1 = p.y + p.height;
      cairo_new_path(cr);
      if (side == Side::Top) { cairo_move_to(cr, x0, y0 + w / 2); cairo_line_to(cr, x1, y0 + w / 2); }
      if (side == Side::Bottom) { cairo_move_to(cr, x0, y1 - w / 2); cairo_line_to(cr, x1, y1 - w / 2); }
      if (side == Side::Left) { cairo_move_to(cr, x0 + w / 2, y0); cairo_line_to(cr, x0 + w / 2, y1); }
      if (side == Side::Right) { cairo_move_to(cr, x1 - w / 2, y0); cairo_line_to(cr, x1 - w / 2, y1); }
      double dash[2] = {s.style == litehtml::border_style_dotted ? w : 3 * w, s.style == litehtml::border_style_dotted ? w : 2 * w};
      cairo_set_dash(cr, dash, 2, 0);
      cairo_set_line_width(cr, w);
      setColor(cr, s.color);
      cairo_stroke(cr);
      cairo_set_dash(cr, nullptr, 0, 0);
      return;
    }
    case litehtml::border_style_double:
      if (s.width >= 3) {
        setColor(cr, s.color);
        sidePath(cr, p, b, side, 0, 1.0 / 3);
        cairo_fill(cr);
        sidePath(cr, p, b, side, 2.0 / 3, 1);
        cairo_fill(cr);
        return;
      }
      break;
    case litehtml::border_style_inset:
    case litehtml::border_style_outset: {
      bool dark = (s.style == litehtml::border_style_inset) == topLeft;
      setColor(cr, dark ? shaded(s.color, 0.6) : shaded(s.color, 1.3));
      sidePath(cr, p, b, side, 0, 1);
      cairo_fill(cr);
      return;
    }
    case litehtml::border_style_groove:
    case litehtml::border_style_ridge: {
      bool outerDark = (s.style == litehtml::border_style_groove) == topLeft;
      setColor(cr, outerDark ? shaded(s.color, 0.6) : shaded(s.color, 1.3));
      sidePath(cr, p, b, side, 0, 0.5);
      cairo_fill(cr);
      setColor(cr, outerDark ? shaded(s.color, 1.3) : shaded(s.color, 0.6));
      sidePath(cr, p, b, side, 0.5, 1);
      cairo_fill(cr);
      return;
    }
    default:
      break;
  }
  setColor(cr, s.color);
  sidePath(cr, p, b, side, 0, 1);
  cairo_fill(cr);
}

std::string listMarkerText(litehtml::list_style_type type, int index) {
  auto alpha = [](int n, char first) {
    std::string s;
    for (; n > 0; n = (n - 1) / 26) s.insert(s.begin(), static_cast<char>(first + (n - 1) % 26));
    return s;
  };
  auto roman = [](int n, bool upper) {
    static const std::pair<int, const char*> kDigits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"},
                                                          {50, "l"},   {40, "xl"},  {10, "x"},  {9, "ix"},   {5, "v"},   {4, "iv"}, {1, "i"}};
    std::string s;
    for (const auto& [value, text] : kDigits) {
      while (n >= value && s.size() < 32) {
        s += text;
        n -= value;
      }
    }
    return upper ? toUpperUtf8(s) : s;
  };
  switch (type) {
    case litehtml::list_style_type_lower_alpha:
    case litehtml::list_style_type_lower_latin: return alpha(index, 'a') + ".";
    case litehtml::list_style_type_upper_alpha:
    case litehtml::list_style_type_upper_latin: return alpha(index, 'A') + ".";
    case litehtml::list_style_type_lower_roman: return roman(index, false) + ".";
    case litehtml::list_style_type_upper_roman: return roman(index, true) + ".";
    case litehtml::list_style_type_decimal_leading_zero: return (index < 10 ? "0" : "") + std::to_string(index) + ".";
    default: return std::to_string(index) + ".";
  }
}

}  // namespace

PageContainer::PageContainer(PageResources& resources)
    : resources_(resources), images_(resources), baseUrl_(resources.archive().baseUrl()) {}

PageContainer::~PageContainer() = default;

std::string_view PageContainer::imageBase(const char* baseurl) const {
  return baseurl && *baseurl ? std::string_view(baseurl) : std::string_view(baseUrl_);
}

void PageContainer::applyClips(cairo_t* cr) const {
  for (const Clip& c : clips_) {
    if (hasRadius(c.radius)) {
      roundedRectangle(cr, c.box, c.radius);
    } else {
      cairo_rectangle(cr, c.box.x, c.box.y, c.box.width, c.box.height);
    }
    cairo_clip(cr);
  }
}

litehtml::uint_ptr PageContainer::create_font(const char* faceName, int size, int weight, litehtml::font_style italic,
                                              unsigned int decoration, litehtml::font_metrics* fm) {
  litehtml::uint_ptr font =
      fonts_.create(faceName ? faceName : "", size, weight, italic == litehtml::fontStyleItalic, decoration);
  if (fm) {
    PageFontMetrics m = fonts_.metrics(font);
    fm->ascent = m.ascent;
    fm->descent = m.descent;
    fm->height = m.height;
    fm->x_height = m.xHeight;
    fm->draw_spaces = (decoration & (litehtml::font_decoration_underline | litehtml::font_decoration_linethrough |
                                     litehtml::font_decoration_overline)) != 0;
  }
  return font;
}

void PageContainer::delete_font(litehtml::uint_ptr hFont) { fonts_.release(hFont); }

int PageContainer::text_width(const char* text, litehtml::uint_ptr hFont) {
  return fonts_.layoutTextWidth(hFont, text ? text : "");
}

void PageContainer::draw_text(litehtml::uint_ptr hdc, const char* text, litehtml::uint_ptr hFont, litehtml::web_color color,
                              const litehtml::position& pos) {
  if (!text || !*text) return;
  auto* cr = reinterpret_cast<cairo_t*>(hdc);
  cairo_save(cr);
  applyClips(cr);
  fonts_.drawText(cr, hFont, text, color.red / 255.0, color.green / 255.0, color.blue / 255.0, color.alpha / 255.0, pos.x,
                  pos.bottom());
  cairo_restore(cr);
}

int PageContainer::pt_to_px(int pt) const { return static_cast<int>(std::lround(pt * 96.0 / 72.0)); }

void PageContainer::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) {
  auto* cr = reinterpret_cast<cairo_t*>(hdc);
  cairo_save(cr);
  applyClips(cr);
  const litehtml::position& p = marker.pos;
  if (!marker.image.empty()) {
    if (cairo_surface_t* s = images_.load(marker.image, imageBase(marker.baseurl))) {
      cairo_set_source_surface(cr, s, p.x, p.y);
      cairo_paint(cr);
      cairo_restore(cr);
      return;
    }
  }
  setColor(cr, marker.color);
  // A browser's bullet: about 0.3 em across (the engine's box is a third of the font size),
  // centred on the middle of the x-height rather than of the line.
  double cx = p.x + p.width / 2.0, cy = p.y + p.height / 2.0, radius = std::min(p.width, p.height) * 0.85 / 2.0;
  if (marker.font) {
    PageFontMetrics m = fonts_.metrics(marker.font);
    if (m.xHeight > 0) cy += (m.ascent - m.descent) / 2.0 - m.xHeight / 2.0;
  }
  switch (marker.marker_type) {
    case litehtml::list_style_type_none:
      break;
    case litehtml::list_style_type_circle:
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy, std::max(0.5, radius - 0.5), 0, 2 * 3.14159265358979323846);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      break;
    case litehtml::list_style_type_disc:
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy, radius, 0, 2 * 3.14159265358979323846);
      cairo_fill(cr);
      break;
    case litehtml::list_style_type_square:
      cairo_rectangle(cr, cx - radius, cy - radius, 2 * radius, 2 * radius);
      cairo_fill(cr);
      break;
    default: {
      std::string text = listMarkerText(marker.marker_type, marker.index);
      int width = fonts_.textWidth(marker.font, text);
      fonts_.drawText(cr, marker.font, text, marker.color.red / 255.0, marker.color.green / 255.0, marker.color.blue / 255.0,
                      1.0, p.right() - width, p.bottom());
      break;
    }
  }
  cairo_restore(cr);
}

void PageContainer::load_image(const char* src, const char* baseurl, bool) {
  if (src && *src) images_.load(src, imageBase(baseurl));
}

void PageContainer::get_image_size(const char* src, const char* baseurl, litehtml::size& sz) {
  Size s = src && *src ? images_.size(src, imageBase(baseurl)) : PageImages::kPlaceholderSize;
  sz.width = s.width;
  sz.height = s.height;
}

void PageContainer::drawMissingImage(litehtml::uint_ptr hdc, const litehtml::position& pos, const char* alt) {
  if (pos.width <= 0 || pos.height <= 0) return;
  auto* cr = reinterpret_cast<cairo_t*>(hdc);
  cairo_save(cr);
  applyClips(cr);
  cairo_rectangle(cr, pos.x, pos.y, pos.width, pos.height);
  cairo_clip(cr);
  // A grey frame with a small crossed square in its corner, and the alternative text.
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgb(cr, 0.55, 0.55, 0.55);
  cairo_rectangle(cr, pos.x + 0.5, pos.y + 0.5, pos.width - 1, pos.height - 1);
  cairo_stroke(cr);
  if (pos.width >= 14 && pos.height >= 14) {
    cairo_set_source_rgb(cr, 0.8, 0.1, 0.1);
    cairo_rectangle(cr, pos.x + 3.5, pos.y + 3.5, 8, 8);
    cairo_move_to(cr, pos.x + 3.5, pos.y + 3.5);
    cairo_line_to(cr, pos.x + 11.5, pos.y + 11.5);
    cairo_move_to(cr, pos.x + 11.5, pos.y + 3.5);
    cairo_line_to(cr, pos.x + 3.5, pos.y + 11.5);
    cairo_stroke(cr);
  }
  if (alt && *alt && pos.width > 20 && pos.height > 18) {
    if (!altFont_) altFont_ = fonts_.create("Arial", 11, 400, false, 0);
    fonts_.drawText(cr, altFont_, alt, 0.3, 0.3, 0.3, 1.0, pos.x + 15, pos.y + 3 + fonts_.metrics(altFont_).height);
  }
  cairo_restore(cr);
}

void PageContainer::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) {
  auto* cr = reinterpret_cast<cairo_t*>(hdc);
  cairo_save(cr);
  applyClips(cr);
  if (!bg.is_root) {
    if (hasRadius(bg.border_radius)) {
      roundedRectangle(cr, bg.border_box, bg.border_radius);
      cairo_clip(cr);
    }
    cairo_rectangle(cr, bg.clip_box.x, bg.clip_box.y, bg.clip_box.width, bg.clip_box.height);
    cairo_clip(cr);
  }
  if (bg.color.alpha > 0) {
    setColor(cr, bg.color);
    cairo_paint(cr);
  }
  if (!bg.image.empty()) {
    cairo_surface_t* surface = images_.load(bg.image, imageBase(bg.baseurl.c_str()));
    int imageWidth = surface ? cairo_image_surface_get_width(surface) : 0;
    int imageHeight = surface ? cairo_image_surface_get_height(surface) : 0;
    if (surface && imageWidth > 0 && imageHeight > 0) {
      int drawWidth = bg.image_size.width > 0 ? bg.image_size.width : imageWidth;
      int drawHeight = bg.image_size.height > 0 ? bg.image_size.height : imageHeight;
      cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
      cairo_matrix_t matrix;
      cairo_matrix_init_scale(&matrix, double(imageWidth) / drawWidth, double(imageHeight) / drawHeight);
      cairo_matrix_translate(&matrix, -bg.position_x, -bg.position_y);
      cairo_pattern_set_matrix(pattern, &matrix);
      cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
      // A picture drawn once keeps its edge colours to its edges when scaled (the filter would
      // otherwise blend them with the transparent outside); the fill rectangle bounds it.
      cairo_pattern_set_extend(pattern, bg.repeat == litehtml::background_repeat_no_repeat ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_REPEAT);
      cairo_set_source(cr, pattern);
      const litehtml::position& c = bg.clip_box;
      switch (bg.repeat) {
        case litehtml::background_repeat_repeat:
          cairo_rectangle(cr, c.x, c.y, c.width, c.height);
          break;
        case litehtml::background_repeat_repeat_x:
          cairo_rectangle(cr, c.x, bg.position_y, c.width, drawHeight);
          break;
        case litehtml::background_repeat_repeat_y:
          cairo_rectangle(cr, bg.position_x, c.y, drawWidth, c.height);
          break;
        case litehtml::background_repeat_no_repeat:
          cairo_rectangle(cr, bg.position_x, bg.position_y, drawWidth, drawHeight);
          break;
      }
      cairo_fill(cr);
      cairo_pattern_destroy(pattern);
    }
  }
  cairo_restore(cr);
}

void PageContainer::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
                                 bool) {
  if (!borders.is_visible()) return;
  auto* cr = reinterpret_cast<cairo_t*>(hdc);
  cairo_save(cr);
  applyClips(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  const auto& b = borders;
  bool uniformSolid = hasRadius(b.radius) && b.top.style == litehtml::border_style_solid && b.top.width == b.left.width &&
                      b.top.width == b.right.width && b.top.width == b.bottom.width && isDrawn(b.top);
  if (uniformSolid) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    litehtml::position outer = draw_pos;
    litehtml::position inner(draw_pos.x + b.left.width, draw_pos.y + b.top.width, draw_pos.width - b.left.width - b.right.width,
                             draw_pos.height - b.top.width - b.bottom.width);
    roundedRectangle(cr, outer, b.radius);
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, inner.x, inner.y, inner.width, inner.height);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    setColor(cr, b.top.color);
    cairo_fill(cr);
  } else {
    drawSide(cr, draw_pos, b, Side::Top);
    drawSide(cr, draw_pos, b, Side::Right);
    drawSide(cr, draw_pos, b, Side::Bottom);
    drawSide(cr, draw_pos, b, Side::Left);
  }
  cairo_restore(cr);
}

void PageContainer::set_caption(const char* caption) { caption_ = caption ? caption : ""; }

void PageContainer::set_base_url(const char* base_url) {
  if (base_url && *base_url) baseUrl_ = resolveUrl(resources_.archive().baseUrl(), base_url);
}

void PageContainer::link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) {}

void PageContainer::on_anchor_click(const char* url, const litehtml::element::ptr&) {
  clickedLink_ = url ? resolveUrl(baseUrl_, url) : std::string();
}

void PageContainer::set_cursor(const char* cursor) { cursor_ = cursor ? cursor : ""; }

void PageContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
  if (text.empty()) return;
  auto convert = [](const std::string& s, bool upper) {
    gchar* converted = upper ? g_utf8_strup(s.c_str(), static_cast<gssize>(s.size()))
                             : g_utf8_strdown(s.c_str(), static_cast<gssize>(s.size()));
    std::string out = converted ? converted : s;
    g_free(converted);
    return out;
  };
  switch (tt) {
    case litehtml::text_transform_uppercase: text = convert(text, true); break;
    case litehtml::text_transform_lowercase: text = convert(text, false); break;
    case litehtml::text_transform_capitalize: {
      // The engine passes one word: its first character.
      const char* next = g_utf8_next_char(text.c_str());
      size_t firstLength = static_cast<size_t>(next - text.c_str());
      text = convert(text.substr(0, firstLength), true) + text.substr(firstLength);
      break;
    }
    default: break;
  }
}

void PageContainer::import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) {
  std::string_view base = baseurl.empty() ? std::string_view(baseUrl_) : std::string_view(baseurl);
  auto found = resources_.find(url, base);
  if (!found) {
    text.clear();
    return;
  }
  std::string charset = found->charset;
  if (charset.empty() && found->data.substr(0, 10) == "@charset \"") {
    size_t end = found->data.find('"', 10);
    if (end != std::string_view::npos) charset = std::string(found->data.substr(10, end - 10));
  }
  std::string_view data = found->data;
  if (data.substr(0, 3) == "\xEF\xBB\xBF") {
    data.remove_prefix(3);
    charset = "utf-8";
  }
  text = stripCssCommentMarkers(charset.empty() ? decodeHtmlText(data, "") : convertToUtf8(data, charset));
  baseurl = found->url;
}

void PageContainer::set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius, bool valid_x,
                             bool valid_y) {
  litehtml::position box = pos;
  if (!valid_x) {
    box.x = -kUnbounded;
    box.width = 2 * kUnbounded;
  }
  if (!valid_y) {
    box.y = -kUnbounded;
    box.height = 2 * kUnbounded;
  }
  clips_.push_back({box, bdr_radius});
}

void PageContainer::del_clip() {
  if (!clips_.empty()) clips_.pop_back();
}

void PageContainer::get_client_rect(litehtml::position& client) const {
  client = litehtml::position(0, 0, viewport_.width, viewport_.height);
}

std::shared_ptr<litehtml::element> PageContainer::create_element(const char* tag_name, const litehtml::string_map&,
                                                                 const std::shared_ptr<litehtml::document>& doc) {
  std::string_view tag = tag_name ? tag_name : "";
  if (tag == "font") return std::make_shared<PageFontElement>(doc);
  if (tag == "img") return std::make_shared<PageImageElement>(doc, *this);
  return nullptr;
}

void PageContainer::get_media_features(litehtml::media_features& media) const {
  media.type = litehtml::media_type_screen;
  media.width = viewport_.width;
  media.height = viewport_.height;
  media.device_width = 1024;
  media.device_height = 768;
  media.color = 8;
  media.color_index = 256;
  media.monochrome = 0;
  media.resolution = 96;
}

void PageContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
  language = "ru";
  culture = "ru-RU";
}

}  // namespace tavra
