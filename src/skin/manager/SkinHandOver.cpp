#include "skin/manager/SkinHandOver.h"

namespace tavra {

SkinHandOver& SkinHandOver::slots() {
  static SkinHandOver handOver;
  return handOver;
}

}  // namespace tavra
