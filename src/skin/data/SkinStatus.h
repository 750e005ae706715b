#pragma once
// The outcome of a skin loading step that produces nothing but side effects: success, or the
// text of the error that stopped it.
#include <variant>

#include "base/Result.h"

namespace tavra {

using SkinStatus = Result<std::monostate>;

inline SkinStatus skinOk() { return std::monostate{}; }

}  // namespace tavra
