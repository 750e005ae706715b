#pragma once
// The label a skinned edit can carry beside it. Inactive (the default) no label exists; made
// active it creates a skinned label named after the edit plus "Label", captioned Caption (the
// edit's name when empty), sized to its text and kept beside the edit by Layout: sclLeft left of
// it with Indent + 4 pixels between them, vertically centred; the top layouts Indent pixels above
// it, aligned to its left edge, centre or right edge.
#include <string>

#include "gfx/Font.h"

namespace tavra {

class TsLabel;
class TWinControl;

enum class TsCaptionPlacement { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel {
 public:
  explicit TsBoundLabel(TWinControl& edit) : edit_(edit) {}
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  bool active() const { return active_; }
  void setActive(bool on);
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& text);
  int indent() const { return indent_; }
  void setIndent(int pixels);
  TsCaptionPlacement layout() const { return layout_; }
  void setLayout(TsCaptionPlacement layout);
  int maxWidth() const { return maxWidth_; }  // 0: no limit
  void setMaxWidth(int pixels);
  bool useSkinColor() const { return useSkinColor_; }
  void setUseSkinColor(bool on);
  const Font* font() const { return hasFont_ ? &font_ : nullptr; }
  void setFont(const Font& font);

  // The label while active, else null.
  TsLabel* label() const { return label_; }
  // Puts the label beside the edit again (after the edit moved, resized or was shown or hidden).
  void follow();

 private:
  void update();

  TWinControl& edit_;
  TsLabel* label_ = nullptr;  // owned by the edit as a component
  bool active_ = false;
  std::string caption_;
  int indent_ = 0;
  TsCaptionPlacement layout_ = TsCaptionPlacement::sclLeft;
  int maxWidth_ = 0;
  bool useSkinColor_ = true;
  bool hasFont_ = false;
  Font font_;
};

}  // namespace tavra
