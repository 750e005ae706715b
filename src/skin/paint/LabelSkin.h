#pragma once
// What the skinned labels ask of the active skin, answered by the default skin manager
// (ManagerLabelSkin) unless a ScopedLabelSkin puts other answers in place for its lifetime
// (tests). The base class is "no skin": no skin active, no sections, nothing to paint.
#include <optional>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "winsys/Messages.h"

namespace tavra {

class Canvas;
class TControl;

// The values of one skin section that the labels read.
struct LabelSkinSection {
  static constexpr Color kNone = 0xFFFFFFFFu;  // a contour colour that is not set (-1)
  Color fontColor = 0;        // FONTCOLOR
  Color contourLeft = kNone;  // TCLEFT
  int transparency = 0;       // TRANSPARENCY, percent
  bool giveOwnFont = false;   // GIVEOWNFONT
};

// The skin's first shadow (GLOBALINFO SHADOW1COLOR, SHADOW1BLUR, SHADOW1OFFSET); a blur of -1
// means the skin sets none.
struct LabelSkinShadow {
  Color color = 0;
  int blur = -1;
  int offset = 0;
};

class LabelSkin {
 public:
  virtual ~LabelSkin() = default;

  // The loaded skin data are usable (the skin header's Active flag).
  virtual bool dataActive() const { return false; }
  // The manager's own Active property.
  virtual bool managerActive() const { return false; }
  // The value the manager sends as lParam of its skin commands (its identity).
  virtual LParam managerParam() const { return 0; }
  // Index of the section of that name, -1 when the skin has none.
  virtual int findSection(std::string_view name) const { return -1; }
  virtual std::optional<LabelSkinSection> section(int index) const { return std::nullopt; }
  virtual LabelSkinShadow shadow1() const { return {}; }
  // Paints section `sectionIndex` in its normal state over `rect` of `control`'s canvas, over
  // the background the control's parent reports (its cache, or its colour).
  virtual void paintSection(Canvas& canvas, const Rect& rect, int sectionIndex, TControl& control) {}
};

// The registered answers, else the default manager's, or "no skin" while there is none.
LabelSkin& labelSkin();

// Whether a skin command's lParam names the default manager.
inline bool isDefaultManagerParam(LParam lParam) { return lParam != 0 && lParam == labelSkin().managerParam(); }

}  // namespace tavra
