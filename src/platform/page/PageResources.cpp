#include "platform/page/PageResources.h"

#include "base/Files.h"
#include "platform/mhtml/Url.h"

namespace tavra {

std::optional<PageResources::Found> PageResources::find(std::string_view reference, std::string_view base) {
  std::string_view pageBase = base.empty() ? std::string_view(archive_.baseUrl()) : base;
  std::string resolved = resolveUrl(pageBase, reference);
  if (const MhtmlResource* r = archive_.find(reference, pageBase)) {
    return Found{r->data, r->contentType, r->charset, r->location.empty() ? resolved : r->location};
  }
  std::string path = pathFromFileUrl(resolved);
  if (path.empty()) return std::nullopt;
  auto it = files_.find(path);
  if (it == files_.end()) {
    std::optional<std::string> content;
    std::string actual = findPathIgnoringCase(path);
    if (!actual.empty()) {
      auto text = readFileText(actual, kMaxFileBytes);
      if (text) content = std::move(*text);
    }
    it = files_.emplace(path, std::move(content)).first;
  }
  if (!it->second) return std::nullopt;
  return Found{*it->second, {}, {}, resolved};
}

}  // namespace tavra
