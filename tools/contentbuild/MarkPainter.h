#pragma once
// The two status marks of the testing window, 24 × 24 PNG with a transparent ground: a green
// tick on a light round badge for a filled field and a red cross for an empty one.
#include <string>

namespace tavra::content {

enum class Mark { Ok, No };

class MarkPainter {
 public:
  static constexpr int kSize = 24;
  static std::string renderPng(Mark mark);
};

}  // namespace tavra::content
