#include "skin/data/SkinWarnings.h"

#include <cstdio>
#include <utility>

namespace tavra {
namespace {

SkinNoticeHandler& currentHandler() {
  static SkinNoticeHandler handler;
  return handler;
}

void printToStderr(SkinNoticeKind kind, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", kind == SkinNoticeKind::Warning ? "warning" : "message", text.c_str());
}

}  // namespace

SkinNoticeHandler SkinWarnings::setHandler(SkinNoticeHandler handler) {
  return std::exchange(currentHandler(), std::move(handler));
}

void SkinWarnings::show(SkinNoticeKind kind, const std::string& text) {
  if (const SkinNoticeHandler& handler = currentHandler()) {
    handler(kind, text);
  } else {
    printToStderr(kind, text);
  }
}

}  // namespace tavra
