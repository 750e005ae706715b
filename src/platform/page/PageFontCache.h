#pragma once
// The page viewer's fonts, shared by all pages of the process: creating a font (its metrics
// come from fontconfig) and measuring words in it is paid once, not on every page opened.
// GUI thread only, as pango is.
#include <pango/pango.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/page/PageFontFace.h"

namespace tavra {

class PageFontCache {
 public:
  // Faces kept at most; beyond it the faces no page uses are dropped.
  static constexpr size_t kMaxFaces = 256;

  static PageFontCache& instance();

  PageFontCache(const PageFontCache&) = delete;
  PageFontCache& operator=(const PageFontCache&) = delete;

  // The face for a CSS family list at a size, weight, slant and decoration (see PageFonts).
  std::shared_ptr<PageFontFace> face(std::string_view cssFamilies, int sizePx, int weight, bool italic, unsigned decoration);

 private:
  PageFontCache();
  ~PageFontCache();

  PangoContext* context_ = nullptr;
  std::unordered_map<std::string, std::shared_ptr<PageFontFace>> faces_;
};

}  // namespace tavra
