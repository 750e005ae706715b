#pragma once
// The one document container of the page viewer: the layout engine asks it for fonts, text
// widths, pictures and style sheets, and draws through it. Drawing goes to the cairo context
// passed as the engine's device handle (a Canvas's cairo(), so origin and clip apply).
#include <litehtml/litehtml.h>

#include <string>
#include <utility>
#include <vector>

#include "base/Geometry.h"
#include "platform/page/PageFonts.h"
#include "platform/page/PageImages.h"
#include "platform/page/PageResources.h"

namespace tavra {

class PageContainer final : public litehtml::document_container {
 public:
  static constexpr int kDefaultFontSize = 16;

  explicit PageContainer(PageResources& resources);
  ~PageContainer();
  PageContainer(const PageContainer&) = delete;
  PageContainer& operator=(const PageContainer&) = delete;

  // The view the page is laid out for (media queries, the root's client rectangle).
  void setViewport(Size size) { viewport_ = size; }
  // The page's URL for its references: <base href> when the page has one.
  const std::string& baseUrl() const { return baseUrl_; }
  const std::string& caption() const { return caption_; }
  // The cursor the engine asked for last ("pointer" over links), and the link clicked last.
  const std::string& cursor() const { return cursor_; }
  std::string takeClickedLink() { return std::exchange(clickedLink_, {}); }

  bool isImageMissing(const char* src) { return images_.isMissing(src, baseUrl_); }
  void drawMissingImage(litehtml::uint_ptr hdc, const litehtml::position& pos, const char* alt);
  PageFonts& fonts() { return fonts_; }

  // document_container
  litehtml::uint_ptr create_font(const char* faceName, int size, int weight, litehtml::font_style italic,
                                 unsigned int decoration, litehtml::font_metrics* fm) override;
  void delete_font(litehtml::uint_ptr hFont) override;
  int text_width(const char* text, litehtml::uint_ptr hFont) override;
  void draw_text(litehtml::uint_ptr hdc, const char* text, litehtml::uint_ptr hFont, litehtml::web_color color,
                 const litehtml::position& pos) override;
  int pt_to_px(int pt) const override;
  int get_default_font_size() const override { return kDefaultFontSize; }
  const char* get_default_font_name() const override { return "Times New Roman"; }
  void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
  void load_image(const char* src, const char* baseurl, bool redraw_on_ready) override;
  void get_image_size(const char* src, const char* baseurl, litehtml::size& sz) override;
  void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
  void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
                    bool root) override;
  void set_caption(const char* caption) override;
  void set_base_url(const char* base_url) override;
  void link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) override;
  void on_anchor_click(const char* url, const litehtml::element::ptr& el) override;
  void set_cursor(const char* cursor) override;
  void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
  void import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) override;
  void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius, bool valid_x,
                bool valid_y) override;
  void del_clip() override;
  void get_client_rect(litehtml::position& client) const override;
  std::shared_ptr<litehtml::element> create_element(const char* tag_name, const litehtml::string_map& attributes,
                                                    const std::shared_ptr<litehtml::document>& doc) override;
  void get_media_features(litehtml::media_features& media) const override;
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

 private:
  // Applies the engine's clip stack to a saved cairo state.
  void applyClips(cairo_t* cr) const;
  std::string_view imageBase(const char* baseurl) const;

  PageResources& resources_;
  PageFonts fonts_;
  PageImages images_;
  Size viewport_{721, 600};
  std::string baseUrl_;
  std::string caption_;
  std::string cursor_;
  std::string clickedLink_;
  litehtml::uint_ptr altFont_ = 0;  // the alternative text of missing pictures
  struct Clip {
    litehtml::position box;
    litehtml::border_radiuses radius;
  };
  std::vector<Clip> clips_;
};

}  // namespace tavra
