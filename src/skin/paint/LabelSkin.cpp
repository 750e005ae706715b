#include "skin/paint/LabelSkin.h"

#include "skin/manager/TsSkinManager.h"
#include "skin/paint/ManagerLabelSkin.h"

namespace tavra {
namespace {

LabelSkin*& registered() {
  static LabelSkin* skin = nullptr;
  return skin;
}

}  // namespace

LabelSkin& labelSkin() {
  static LabelSkin noSkin;
  static ManagerLabelSkin defaultManager;
  if (LabelSkin* skin = registered()) return *skin;
  return TsSkinManager::DefaultManager() ? static_cast<LabelSkin&>(defaultManager) : noSkin;
}

LabelSkin* exchangeRegisteredLabelSkin(LabelSkin* skin) {
  LabelSkin* previous = registered();
  registered() = skin;
  return previous;
}

}  // namespace tavra
