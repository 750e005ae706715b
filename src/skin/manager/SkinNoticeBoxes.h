#pragma once
// Shows what the skin data layer reports while it loads in the framework's message boxes: the
// package reader's warning in a warning box, the version notice in a plain box captioned with
// the application's title. Routed while at least one skin manager lives; without an application
// the notices go where they went before.
namespace tavra {

class SkinNoticeBoxes {
 public:
  SkinNoticeBoxes();
  ~SkinNoticeBoxes();
  SkinNoticeBoxes(const SkinNoticeBoxes&) = delete;
  SkinNoticeBoxes& operator=(const SkinNoticeBoxes&) = delete;
};

}  // namespace tavra
