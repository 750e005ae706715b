#pragma once
// A hyperlink label: it shows its hover font while the pointer is over it and, at the press of
// the left mouse button, hands its URL to the desktop's "open" action.
#include <string>

#include "skin/labels/TsCustomLabel.h"

namespace tavra {

// The show command handed to the opener, numbered as the platform numbers them.
enum class TsWindowShowMode {
  soHide = 0,
  soNormal = 1,
  soShowMinimized = 2,
  soMaximize = 3,
  soShowNoActivate = 4,
  soShow = 5,
  soMinimize = 6,
  soShowMinNoActive = 7,
  soShowNA = 8,
  soRestore = 9,
  soDefault = 10,
};

class TsWebLabel : public TsCustomLabel {
 public:
  explicit TsWebLabel(TComponent* owner);

  // The normal font; setting it also sets the working font (font()) and repaints.
  const Font& normalFont() const { return normalFont_; }
  void setFont(const Font& f);
  const Font& hoverFont() const { return hoverFont_; }
  void setHoverFont(const Font& f);
  const std::string& url() const { return url_; }
  void setUrl(const std::string& u) { url_ = u; }
  // Kept for the opener; the desktop's opener on this platform takes no show command.
  TsWindowShowMode showMode() const { return showMode_; }
  void setShowMode(TsWindowShowMode m) { showMode_ = m; }
  bool hovered() const { return hover_; }

  void WndProc(TMessage& msg) override;

 protected:
  void Loaded() override;
  Font currentFont() const override;

 private:
  void hoverChanged(bool hover);

  Font normalFont_;
  Font hoverFont_;
  std::string url_;
  TsWindowShowMode showMode_ = TsWindowShowMode::soDefault;
  bool hover_ = false;
};

}  // namespace tavra
