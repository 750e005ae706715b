// Input filters, and the keys that open the menu bar.
#include <string>
#include <vector>

#include "WindowSystemFixture.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

TEST_F(WindowSystemTest, AnInputFilterTakesEventsBeforeAnyWindowAndObserversStillSeeThem) {
  auto w = make({0, 0, 100, 100}, clWhite);
  w->show();
  int observed = 0;
  ws_->addInputObserver([&](const InputEvent&) { ++observed; });
  std::vector<InputEvent::Kind> taken;
  int id = ws_->addInputFilter([&](const InputEvent& ev) {
    taken.push_back(ev.kind);
    return ev.kind != InputEvent::Kind::MouseMove;
  });
  inject(InputEvent::Kind::MouseMove, {10, 10});
  inject(InputEvent::Kind::MouseDown, {10, 10});
  inject(InputEvent::Kind::MouseUp, {10, 10});
  EXPECT_EQ(taken.size(), 3u);
  EXPECT_EQ(countOf(*w, WM_MOUSEMOVE), 1) << "passed on";
  EXPECT_EQ(countOf(*w, WM_LBUTTONDOWN), 0) << "taken";
  EXPECT_EQ(observed, 3);
  ws_->removeInputFilter(id);
  inject(InputEvent::Kind::MouseDown, {10, 10});
  EXPECT_EQ(countOf(*w, WM_LBUTTONDOWN), 1);
}

TEST_F(WindowSystemTest, AltAloneF10AndAltWithALetterAskTheTopLevelWindowForItsMenu) {
  auto top = make({0, 0, 200, 200}, clWhite);
  auto child = make({10, 10, 50, 50}, clWhite, top.get());
  child->show();
  top->show();
  ws_->setFocus(child.get());
  auto keyMenus = [&] {
    std::vector<LParam> out;
    for (const Logged& l : log) {
      if (l.window == top->handle() && l.msg == WM_SYSCOMMAND && (l.wParam & 0xFFF0) == SC_KEYMENU) out.push_back(l.lParam);
    }
    return out;
  };
  auto key = [&](InputEvent::Kind kind, unsigned vk, unsigned mods) {
    backend_->inject(InputEvent::keyEvent(kind, vk, mods));
    ws_->processMessages();
  };
  key(InputEvent::Kind::KeyDown, VK_MENU, kModAlt);
  key(InputEvent::Kind::KeyUp, VK_MENU, 0);
  EXPECT_EQ(keyMenus(), (std::vector<LParam>{0}));
  EXPECT_EQ(countOf(*child, WM_SYSKEYDOWN), 1) << "the focused window sees the key first";
  // Alt with another key in between opens nothing.
  key(InputEvent::Kind::KeyDown, VK_MENU, kModAlt);
  key(InputEvent::Kind::KeyDown, VK_TAB, kModAlt);
  key(InputEvent::Kind::KeyUp, VK_MENU, 0);
  EXPECT_EQ(keyMenus().size(), 1u);
  key(InputEvent::Kind::KeyDown, VK_F10, 0);
  EXPECT_EQ(keyMenus(), (std::vector<LParam>{0, 0}));
  InputEvent letter = InputEvent::typed("ф");
  letter.modifiers = kModAlt;
  backend_->inject(letter);
  ws_->processMessages();
  EXPECT_EQ(keyMenus(), (std::vector<LParam>{0, 0, static_cast<LParam>(U'ф')}));
}

}  // namespace
}  // namespace tavra::test
