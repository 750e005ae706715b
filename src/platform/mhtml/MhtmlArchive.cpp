#include "platform/mhtml/MhtmlArchive.h"

#include "base/Files.h"
#include "platform/mhtml/MhtmlDecoder.h"
#include "platform/mhtml/Url.h"

namespace tavra {

Result<MhtmlArchive> MhtmlArchive::decode(std::string_view bytes, std::string_view fileUrl) {
  return MhtmlDecoder(fileUrl).decode(bytes);
}

Result<MhtmlArchive> MhtmlArchive::load(const std::string& path) {
  auto text = readFileText(path, kMaxArchiveBytes);
  if (!text) return Error{text.error()};
  auto archive = decode(*text, fileUrlFromPath(path));
  if (!archive) return Error{"\"" + path + "\": " + archive.error()};
  return archive;
}

MhtmlArchive MhtmlArchive::fromHtml(std::string html, std::string baseUrl) {
  MhtmlArchive archive;
  archive.html_ = std::move(html);
  archive.baseUrl_ = std::move(baseUrl);
  return archive;
}

void MhtmlArchive::index() {
  byLocation_.clear();
  byContentId_.clear();
  for (size_t i = 0; i < resources_.size(); ++i) {
    const MhtmlResource& r = resources_[i];
    // The first part of a name wins, as in browsers.
    if (!r.location.empty()) byLocation_.emplace(urlMatchKey(r.location), i);
    if (!r.contentId.empty()) byContentId_.emplace(urlMatchKey("cid:" + r.contentId), i);
  }
}

const MhtmlResource* MhtmlArchive::find(std::string_view reference, std::string_view base) const {
  if (reference.empty()) return nullptr;
  auto lookup = [](const std::unordered_map<std::string, size_t>& map, const std::string& key, const std::vector<MhtmlResource>& all) -> const MhtmlResource* {
    auto it = map.find(key);
    return it == map.end() ? nullptr : &all[it->second];
  };
  std::string scheme = urlScheme(reference);
  if (scheme == "cid" || scheme == "mid") {
    if (const MhtmlResource* r = lookup(byContentId_, urlMatchKey(reference), resources_)) return r;
  }
  std::string resolved = resolveUrl(base.empty() ? std::string_view(baseUrl_) : base, reference);
  if (const MhtmlResource* r = lookup(byLocation_, urlMatchKey(resolved), resources_)) return r;
  // Locations that stayed relative (no base anywhere in the archive) match as written.
  return lookup(byLocation_, urlMatchKey(reference), resources_);
}

}  // namespace tavra
