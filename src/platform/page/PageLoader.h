#pragma once
// Loading a page file for the viewer: the path is found whatever the letter case of its
// components, read (size bounded) and decoded. A missing, unreadable or undecodable file gives
// a page of the program's own that says so, never a failure. Touches no shared state, so it can
// run on a worker thread; the document is then built on the GUI thread (PageDocument).
#include <string>

#include "platform/mhtml/MhtmlArchive.h"

namespace tavra {

enum class PageStatus { Loaded, NotFound, Unreadable, Damaged };

struct LoadedPage {
  std::string path;      // as requested
  std::string filePath;  // the file actually read; empty when not found
  PageStatus status = PageStatus::NotFound;
  MhtmlArchive archive;  // the page, or the program's page about the failure
};

LoadedPage loadPage(const std::string& path);

// The program's own pages.
std::string notFoundPageHtml(const std::string& path);
std::string unreadablePageHtml(const std::string& path, const std::string& reason);

}  // namespace tavra
