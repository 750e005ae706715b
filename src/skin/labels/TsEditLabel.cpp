#include "skin/labels/TsEditLabel.h"

namespace tavra {

TsEditLabel::~TsEditLabel() {
  if (boundLabel_) boundLabel_->editLabelDestroyed(*this);
}

}  // namespace tavra
