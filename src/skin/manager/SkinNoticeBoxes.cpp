#include "skin/manager/SkinNoticeBoxes.h"

#include "framework/core/MessageBoxes.h"
#include "skin/data/SkinWarnings.h"

namespace tavra {
namespace {

struct Routing {
  int users = 0;
  SkinNoticeHandler previous;
};

Routing& routing() {
  static Routing r;
  return r;
}

void showInBox(SkinNoticeKind kind, const std::string& text) {
  if (!TApplication::exists()) {
    if (const SkinNoticeHandler& previous = routing().previous) {
      previous(kind, text);
    } else {
      // The data layer's own default (stderr) while no handler is installed.
      SkinNoticeHandler mine = SkinWarnings::setHandler(nullptr);
      SkinWarnings::show(kind, text);
      SkinWarnings::setHandler(std::move(mine));
    }
    return;
  }
  if (kind == SkinNoticeKind::Warning) {
    MessageDlg(text, TMsgDlgType::mtWarning);
  } else {
    ShowMessage(text);
  }
}

}  // namespace

SkinNoticeBoxes::SkinNoticeBoxes() {
  if (routing().users++ == 0) routing().previous = SkinWarnings::setHandler(showInBox);
}

SkinNoticeBoxes::~SkinNoticeBoxes() {
  if (--routing().users == 0) SkinWarnings::setHandler(std::move(routing().previous));
}

}  // namespace tavra
