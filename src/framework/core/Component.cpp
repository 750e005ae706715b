#include "framework/core/Component.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace tavra {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner && owner->isLoading()) state_ |= csLoading | csReading;
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  destroyComponents();
}

std::string TComponent::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  std::string name = status == 0 && demangled ? demangled.get() : mangled;
  auto colon = name.rfind("::");
  return colon == std::string::npos ? name : name.substr(colon + 2);
}

TComponent* TComponent::findComponent(const std::string& name) const {
  for (TComponent* c : componentList_) {
    if (c->name_ == name) return c;
  }
  return nullptr;
}

void TComponent::adopt(std::unique_ptr<TComponent> c) {
  c->owner_ = this;
  componentList_.push_back(c.get());
  owned_.push_back(std::move(c));
}

void TComponent::destroyComponent(TComponent& c) {
  auto it = std::find_if(owned_.begin(), owned_.end(), [&](const auto& p) { return p.get() == &c; });
  if (it == owned_.end()) return;
  std::unique_ptr<TComponent> doomed = std::move(*it);
  owned_.erase(it);
  componentList_.erase(std::remove(componentList_.begin(), componentList_.end(), &c), componentList_.end());
  doomed.reset();
}

void TComponent::destroyComponents() {
  while (!owned_.empty()) {
    std::unique_ptr<TComponent> last = std::move(owned_.back());
    owned_.pop_back();
    componentList_.pop_back();
    last->state_ |= csDestroying;
    last.reset();
  }
}

void TComponent::endLoading() {
  Loaded();
  for (TComponent* c : std::vector(componentList_)) {
    if (c->isLoading()) c->endLoading();
  }
}

}  // namespace tavra
