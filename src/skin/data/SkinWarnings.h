#pragma once
// How the skin data layer tells the user something while it loads: the package reader's
// warning about a foreign file and the version notice of newer skins. The data layer has no
// windows, so it hands the text to a handler; the application installs one that shows a modal
// box. Until then (tools, tests) the default handler prints the text to stderr.
#include <functional>
#include <string>

namespace tavra {

enum class SkinNoticeKind {
  Warning,  // a box with the warning icon and one OK button
  Message,  // a plain box captioned with the application's title
};

using SkinNoticeHandler = std::function<void(SkinNoticeKind, const std::string&)>;

class SkinWarnings {
 public:
  // Installs a handler and returns the previous one; an empty handler restores the default.
  static SkinNoticeHandler setHandler(SkinNoticeHandler handler);
  static void show(SkinNoticeKind kind, const std::string& text);

  // Installs a handler for the lifetime of the guard (tests, tools).
  class Scope {
   public:
    explicit Scope(SkinNoticeHandler handler) : previous_(setHandler(std::move(handler))) {}
    ~Scope() { setHandler(std::move(previous_)); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    SkinNoticeHandler previous_;
  };
};

}  // namespace tavra
