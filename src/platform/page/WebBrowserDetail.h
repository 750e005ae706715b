#pragma once
// Small helpers shared by the page viewer's source files (not part of its interface).
#include <cstdint>
#include <memory>
#include <string>

#include "platform/page/PageDocument.h"
#include "platform/page/PageLoader.h"
#include "winsys/Messages.h"

namespace tavra::webbrowser_detail {

// The viewer's own window takes the posted load requests and the timer that scrolls the view
// while a drag is beyond its edge.
inline constexpr MessageId kLoadRequest = WM_APP + 0x57;
inline constexpr std::uintptr_t kAutoScrollTimer = 1;

// A page that could not even be shown as the loader's own message: a plain one.
inline std::unique_ptr<PageDocument> messageDocument(const std::string& path, const std::string& reason) {
  LoadedPage page;
  page.path = path;
  page.status = PageStatus::Unreadable;
  page.archive = MhtmlArchive::fromHtml(unreadablePageHtml(path, reason), {});
  return std::make_unique<PageDocument>(std::move(page));
}

}  // namespace tavra::webbrowser_detail
