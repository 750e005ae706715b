#pragma once
// The desktop's "open" action on a URL (web and mail links): the URL is handed to xdg-open,
// started directly with the URL as its one argument, never through a shell. Tests put their own
// action in place.
#include <functional>
#include <string>

namespace tavra {

// Starts the open action; false when the URL is refused (empty, or one that would read as an
// option) or the program could not be started. Returns without waiting for it.
bool shellOpen(const std::string& url);

// Replaces the open action (tests record URLs instead of starting programs); an empty function
// restores the real one.
void setShellOpenHandler(std::function<bool(const std::string& url)> handler);

}  // namespace tavra
