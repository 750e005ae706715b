#pragma once
// What the manager's hook attaches to a program form it takes over: the holder of the form's
// skinning provider. The list of taken-over windows owns the holder; the provider gives the form
// its window procedure back when the holder goes.
#include <memory>

#include "skin/manager/SkinHandOver.h"

namespace tavra {

class TCustomForm;
class TsSkinManager;
class TsSkinProvider;

class TacProvider final : public SkinWindowAdapter {
 public:
  TacProvider(TsSkinManager& manager, TCustomForm& form);
  ~TacProvider() override;

  TsSkinProvider& provider() { return *provider_; }

 private:
  std::unique_ptr<TsSkinProvider> provider_;
};

}  // namespace tavra
