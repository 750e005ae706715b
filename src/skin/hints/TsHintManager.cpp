#include "skin/hints/TsHintManager.h"

#include "framework/core/Application.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/hints/HintPredefinitions.h"
#include "skin/hints/TsBalloonHintWindow.h"
#include "skin/hints/TsComicsHintWindow.h"
#include "skin/hints/TsEllipseHintWindow.h"
#include "skin/hints/TsSimplyHintWindow.h"

namespace tavra {
namespace {

constexpr const char* kDefaultSection = "HINT";

TsHintManager* gCurrent = nullptr;

template <typename T>
void useHintWindowClass() {
  Application().setHintWindowClass([](TComponent* owner) -> std::unique_ptr<THintWindow> { return std::make_unique<T>(owner); });
}

}  // namespace

TsHintManager* TsHintManager::current() { return gCurrent; }

TsHintManager::TsHintManager(TComponent* owner) : TComponent(owner), hintKind_(std::make_unique<TsHintKind>(*this)) {
  TApplication& app = Application();
  app.HintPause = kHintPause;
  app.HintShortPause = kHintShortPause;
  if (!isDesigning()) {
    app.OnShowHint = [this](std::string& hintStr, bool& canShow, THintInfo& info) { ShowHint(hintStr, canShow, info); };
  }
  if (skinSection_.empty()) skinSection_ = kDefaultSection;
  ApplyStyle(hintKind_->Style());
}

TsHintManager::~TsHintManager() {
  if (gCurrent == this) gCurrent = nullptr;
  customFrame_.reset();
  if (!TApplication::exists()) return;
  TApplication& app = Application();
  app.setHintWindowClass(nullptr);
  app.OnShowHint = nullptr;
}

void TsHintManager::Loaded() {
  TComponent::Loaded();
  Application().HintHidePause = pauseHide_;
  if (skinSection_.empty()) skinSection_ = kDefaultSection;
  ApplyStyle(hintKind_->Style());
  if (!isDesigning()) ApplyPredefinition();
}

void TsHintManager::setPauseHide(int ms) {
  if (ms == pauseHide_) return;
  pauseHide_ = ms;
  Application().HintHidePause = ms;
}

void TsHintManager::setUseSkinData(bool use) {
  useSkinData_ = use;
  if (!use && !isDesigning()) {
    ApplyStyle(hintKind_->Style());
    ApplyPredefinition();
  }
}

bool TsHintManager::UsesSkinData() const {
  if (!gCurrent || !useSkinData_) return false;
  TsSkinManager* skins = TsSkinManager::DefaultManager();
  if (!skins || !skins->active()) return false;
  const std::string& section = gCurrent->skinSection_;
  return !section.empty() && skins->model().FindSection(section) >= 0;
}

void TsHintManager::ApplyStyle(TsHintStyle style) {
  if (isDesigning()) return;
  switch (style) {
    case hsSimply: useHintWindowClass<TsSimplyHintWindow>(); break;
    case hsComics: useHintWindowClass<TsComicsHintWindow>(); break;
    case hsEllipse: useHintWindowClass<TsEllipseHintWindow>(); break;
    case hsBalloon: useHintWindowClass<TsBalloonHintWindow>(); break;
    case hsStandard: Application().setHintWindowClass(nullptr); break;
    case hsNone: useHintWindowClass<TsSimplyHintWindow>(); break;
  }
  const bool drawn = style == hsSimply || style == hsComics || style == hsEllipse || style == hsBalloon;
  gCurrent = drawn ? this : nullptr;
}

void TsHintManager::ApplyPredefinition() { ApplyHintPredefinition(*hintKind_, predefinitions_); }

void TsHintManager::ShowHint(std::string& hintStr, bool& canShow, THintInfo& hintInfo) {
  HintPosition = hintInfo.HintPos;
  if (!OnShowHint) return;
  const Point proposed = hintInfo.HintPos;
  OnShowHint(hintStr, canShow, hintInfo, customFrame_);
  if (hintInfo.HintPos.x != proposed.x && hintInfo.HintPos.y != proposed.y) HintPosition = hintInfo.HintPos;
}

}  // namespace tavra
