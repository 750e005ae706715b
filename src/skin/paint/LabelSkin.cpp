#include "skin/paint/LabelSkin.h"

namespace tavra {
namespace {

LabelSkin*& registered() {
  static LabelSkin* skin = nullptr;
  return skin;
}

}  // namespace

LabelSkin& labelSkin() {
  static LabelSkin noSkin;
  LabelSkin* skin = registered();
  return skin ? *skin : noSkin;
}

LabelSkin* setLabelSkin(LabelSkin* skin) {
  LabelSkin* previous = registered();
  registered() = skin;
  return previous;
}

}  // namespace tavra
