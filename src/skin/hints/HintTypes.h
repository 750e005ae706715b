#pragma once
// The enumerations of the hint manager: the hint window styles, the ready-made settings and the
// corner of a hint that lies at its anchor point.
namespace tavra {

enum TsHintStyle : int { hsSimply = 0, hsComics = 1, hsEllipse = 2, hsBalloon = 3, hsStandard = 4, hsNone = 5 };

enum TsHintsPredefinitions : int {
  shSimply = 0,
  shGradient = 1,
  shTransparent = 2,
  shEllipse = 3,
  shBalloon = 4,
  shComicsGradient = 5,
  shComicsTransparent = 6,
  shStandard = 7,
  shNone = 8,
  shCustom = 9,
};

enum TsMousePosition : int { mpLeftTop = 0, mpLeftBottom = 1, mpRightTop = 2, mpRightBottom = 3 };

// The tail of a shaped hint points down when the anchor lies at one of its bottom corners.
constexpr bool tailPointsDown(TsMousePosition corner) { return corner == mpLeftBottom || corner == mpRightBottom; }

}  // namespace tavra
