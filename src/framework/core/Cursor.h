#pragma once
// Cursor values of controls, numbered as the classic framework numbers them (crDefault: the
// control has none of its own and the one around it shows), and the pointer shape each shows.
#include "winsys/CursorShape.h"

namespace tavra {

enum TCursor : int {
  crDefault = 0,
  crArrow = -2,
  crIBeam = -4,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crHourGlass = -11,
  crNo = -12,
  crHandPoint = -21,
  crSizeAll = -22,
};

constexpr CursorShape cursorShapeFor(TCursor c) {
  switch (c) {
    case crIBeam: return CursorShape::IBeam;
    case crSizeNESW: return CursorShape::SizeNESW;
    case crSizeNS: return CursorShape::SizeNS;
    case crSizeNWSE: return CursorShape::SizeNWSE;
    case crSizeWE: return CursorShape::SizeWE;
    case crHourGlass: return CursorShape::Wait;
    case crNo: return CursorShape::No;
    case crHandPoint: return CursorShape::HandPoint;
    case crSizeAll: return CursorShape::SizeAll;
    case crDefault:
    case crArrow: return CursorShape::Arrow;
  }
  return CursorShape::Arrow;
}

}  // namespace tavra
