#pragma once
// Constants shared by the tree view's source files (not part of its interface).
#include <cstdint>

namespace tavra::treeview_parts {

constexpr int kLabelPadding = 2;                  // room left and right of a label's text
constexpr std::uintptr_t kTipTimer = 0x54495031;  // 'TIP1'

}  // namespace tavra::treeview_parts
