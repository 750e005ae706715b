#pragma once
// The small bar at the bottom of a page viewer for finding text: "Найти:", the text to find and
// how many matches there are ("3 из 12", "Не найдено"). Typing searches at once; Enter or F3
// goes to the next match, Shift+Enter or Shift+F3 to the previous one; Esc closes the bar.
#include <functional>
#include <string>

#include "framework/core/CustomControl.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Label.h"

namespace tavra {

class PageFindBar : public TCustomControl {
 public:
  static constexpr int kHeight = 26;

  explicit PageFindBar(TComponent* owner);

  TEdit& edit() { return *edit_; }
  std::string query() const { return edit_->text(); }
  // Shows the count: `current` of `total` (0-based current; total 0: nothing found).
  void setResult(int current, int total);
  const std::string& resultText() const { return status_->caption(); }

  std::function<void(const std::string& query)> OnSearch;
  std::function<void(bool backwards)> OnStep;
  std::function<void()> OnClose;

 protected:
  void Paint() override;

 private:
  TLabel* caption_ = nullptr;
  TEdit* edit_ = nullptr;
  TLabel* status_ = nullptr;
};

}  // namespace tavra
