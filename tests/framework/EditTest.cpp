#include "framework/controls/Edit.h"

#include "FormFixture.h"
#include "framework/core/MessageBoxes.h"

namespace tavra::test {
namespace {

class EditTest : public FormTest {
 protected:
  EditTest() : edit(add<TEdit>(Rect::fromSize(10, 10, 145, 21))) {
    edit.setFocus();
    settle();
  }
  // A point of the client area just right of character boundary `pos`.
  Point at(int pos) {
    Rect caret;
    int saved = edit.caretPos();
    edit.setSelStart(pos);
    caret = edit.caretRect();
    edit.setSelStart(saved);
    return {caret.left + 1, caret.top + 2};
  }
  TEdit& edit;
};

TEST_F(EditTest, TypedLatinAndCyrillicLettersAreInsertedAtTheCaret) {
  type("Ab");
  type("Жё");
  EXPECT_EQ(edit.text(), "AbЖё");
  EXPECT_EQ(edit.caretPos(), 4);
  key(VK_LEFT);
  key(VK_LEFT);
  type("я");
  EXPECT_EQ(edit.text(), "AbяЖё");
  EXPECT_EQ(edit.caretPos(), 3);
}

TEST_F(EditTest, KeyPressEventMayDiscardOrReplaceACharacter) {
  std::vector<char32_t> seen;
  edit.OnKeyPress = [&](TComponent&, char32_t& ch) {
    seen.push_back(ch);
    if (ch >= U'0' && ch <= U'9') ch = 0;
    if (ch == U'x') ch = U'X';
  };
  type("a1x2");
  EXPECT_EQ(edit.text(), "aX");
  EXPECT_EQ(seen, (std::vector<char32_t>{U'a', U'1', U'x', U'2'}));
  // Backspace reaches the event as character 8 and may be discarded too.
  edit.OnKeyPress = [](TComponent&, char32_t& ch) {
    if (ch == 8) ch = 0;
  };
  key(VK_BACK);
  EXPECT_EQ(edit.text(), "aX");
}

struct EditingCase {
  const char* name;
  const char* start;
  int caret;
  std::vector<std::pair<unsigned, unsigned>> keys;  // virtual key, modifiers
  const char* text;
  int selStart;
  int selLength;
};

class EditingKeys : public EditTest, public ::testing::WithParamInterface<EditingCase> {};

TEST_P(EditingKeys, GiveTextCaretAndSelection) {
  const EditingCase& c = GetParam();
  edit.setText(c.start);
  edit.setSelStart(c.caret);
  for (auto [vk, mods] : c.keys) key(vk, mods);
  EXPECT_EQ(edit.text(), c.text);
  EXPECT_EQ(edit.SelStart(), c.selStart);
  EXPECT_EQ(edit.SelLength(), c.selLength);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditingKeys,
    ::testing::Values(EditingCase{"BackspaceDeletesBeforeCaret", "Иван", 4, {{VK_BACK, 0}}, "Ива", 3, 0},
                      EditingCase{"BackspaceAtStartDoesNothing", "abc", 0, {{VK_BACK, 0}}, "abc", 0, 0},
                      EditingCase{"DeleteDeletesAfterCaret", "abc", 1, {{VK_DELETE, 0}}, "ac", 1, 0},
                      EditingCase{"DeleteAtEndDoesNothing", "abc", 3, {{VK_DELETE, 0}}, "abc", 3, 0},
                      EditingCase{"HomeAndEnd", "abc", 1, {{VK_END, 0}}, "abc", 3, 0},
                      EditingCase{"ShiftHomeSelectsToStart", "abcd", 3, {{VK_HOME, kModShift}}, "abcd", 0, 3},
                      EditingCase{"ShiftLeftTwice", "abcd", 4, {{VK_LEFT, kModShift}, {VK_LEFT, kModShift}}, "abcd", 2, 2},
                      EditingCase{"BackspaceDeletesSelection", "abcd", 4, {{VK_LEFT, kModShift}, {VK_LEFT, kModShift}, {VK_BACK, 0}}, "ab", 2, 0},
                      EditingCase{"LeftCollapsesSelectionToItsStart", "abcd", 1, {{VK_END, kModShift}, {VK_LEFT, 0}}, "abcd", 1, 0},
                      EditingCase{"CtrlRightJumpsWords", "one two", 0, {{VK_RIGHT, kModControl}}, "one two", 4, 0},
                      EditingCase{"CtrlShiftLeftSelectsWord", "one two", 7, {{VK_LEFT, kModControl | kModShift}}, "one two", 4, 3},
                      EditingCase{"CaretStopsAtEnds", "ab", 2, {{VK_RIGHT, 0}, {VK_RIGHT, 0}}, "ab", 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditTest, TypingReplacesTheSelection) {
  edit.setText("abcdef");
  edit.setSelStart(1);
  edit.setSelLength(3);
  EXPECT_EQ(edit.SelText(), "bcd");
  type("Z");
  EXPECT_EQ(edit.text(), "aZef");
  EXPECT_EQ(edit.caretPos(), 2);
}

TEST_F(EditTest, ClipboardShortcuts) {
  edit.setText("Петров");
  key(VK_A, kModControl);
  EXPECT_EQ(edit.SelLength(), 6);
  key(VK_C, kModControl);
  EXPECT_EQ(ws_->clipboardText(), "Петров");
  key(VK_X, kModControl);
  EXPECT_EQ(edit.text(), "");
  ws_->setClipboardText("ab\ncd");
  key(VK_V, kModControl);
  EXPECT_EQ(edit.text(), "ab") << "a single-line edit pastes the first line only";
  key(VK_Z, kModControl);
  EXPECT_EQ(edit.text(), "");
  key(VK_INSERT, kModShift);
  EXPECT_EQ(edit.text(), "ab");
  edit.SelectAll();
  key(VK_DELETE, kModShift);
  EXPECT_EQ(edit.text(), "");
  EXPECT_EQ(ws_->clipboardText(), "ab");
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPastingButNotCode) {
  edit.setMaxLength(4);
  type("abcdef");
  EXPECT_EQ(edit.text(), "abcd");
  edit.setSelStart(2);
  ws_->setClipboardText("XYZ");
  key(VK_V, kModControl);
  EXPECT_EQ(edit.text(), "abcd");
  edit.setSelLength(1);
  key(VK_V, kModControl);
  EXPECT_EQ(edit.text(), "abXd") << "the selection's room is used";
  edit.setText("longer than four");
  EXPECT_EQ(edit.text(), "longer than four");
}

TEST_F(EditTest, ReadOnlyIgnoresEditingButCopies) {
  edit.setText("abc");
  edit.setReadOnly(true);
  type("x");
  key(VK_BACK);
  key(VK_DELETE);
  edit.SelectAll();
  key(VK_X, kModControl);
  key(VK_V, kModControl);
  EXPECT_EQ(edit.text(), "abc");
  EXPECT_EQ(ws_->clipboardText(), "");
  key(VK_C, kModControl);
  EXPECT_EQ(ws_->clipboardText(), "abc");
}

TEST_F(EditTest, ControlCharactersAreNotText) {
  type("a");
  key(VK_RETURN);
  key(VK_ESCAPE);
  type("\x01" "b");
  EXPECT_EQ(edit.text(), "b") << "Ctrl+A (code 1) selected all, then b replaced it";
}

TEST_F(EditTest, ChangeRaisedForEveryChangeFromUserOrCode) {
  int changes = 0;
  edit.OnChange = [&](TComponent&) { ++changes; };
  type("ab");
  EXPECT_EQ(changes, 2);
  edit.setText("xyz");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(edit.caretPos(), 0) << "text set from code puts the caret at the start";
  EXPECT_FALSE(edit.modified());
  edit.setText("xyz");
  EXPECT_EQ(changes, 3) << "the same text is no change";
  key(VK_LEFT);
  EXPECT_EQ(changes, 3);
}

TEST_F(EditTest, MouseClickDragShiftClickAndDoubleClickSelect) {
  edit.setText("alpha beta");
  settle();
  // Points are taken first: finding one moves the caret.
  Point p1 = at(1), p2 = at(2), p4 = at(4), p7 = at(7), p8 = at(8);
  click(edit, p2);
  EXPECT_EQ(edit.caretPos(), 2);
  EXPECT_EQ(edit.SelLength(), 0);
  advance(1000);  // the next press is no double click
  mouse(InputEvent::Kind::MouseDown, edit, p1);
  mouse(InputEvent::Kind::MouseMove, edit, p4);
  mouse(InputEvent::Kind::MouseUp, edit, p4);
  EXPECT_EQ(edit.SelStart(), 1);
  EXPECT_EQ(edit.SelLength(), 3);
  advance(1000);
  click(edit, p8, kModShift);
  EXPECT_EQ(edit.SelStart(), 1);
  EXPECT_EQ(edit.SelLength(), 7);
  advance(1000);  // past the double-click time
  click(edit, p7);
  backend_->virtualClock()->advance(100);
  click(edit, p7);
  EXPECT_EQ(edit.SelText(), "beta");
}

TEST_F(EditTest, FocusByTabSelectsAllAndTabMakesNoCharacter) {
  TEdit& second = add<TEdit>(Rect::fromSize(10, 40, 145, 21));
  second.setText("text");
  std::vector<char32_t> seen;
  second.OnKeyPress = [&](TComponent&, char32_t& ch) { seen.push_back(ch); };
  edit.setFocus();
  key(VK_TAB);
  EXPECT_TRUE(second.focused());
  EXPECT_TRUE(seen.empty()) << "the Tab that moved the focus is no character";
  EXPECT_EQ(second.SelLength(), 4);
  type("q");
  EXPECT_EQ(seen, std::vector<char32_t>{U'q'});
}

TEST_F(EditTest, FocusComingBackAfterAMessageBoxKeepsTheCaret) {
  type("Иван");
  key(VK_LEFT);
  ShowMessage("box");
  settle();
  ASSERT_EQ(boxes, std::vector<std::string>{"box"});
  EXPECT_TRUE(edit.focused());
  EXPECT_EQ(edit.SelLength(), 0) << "nothing is selected when the window gets the focus back";
  type("о");
  EXPECT_EQ(edit.text(), "Иваон");
}

TEST_F(EditTest, CaretBlinksOnlyWhileFocused) {
  ASSERT_TRUE(edit.focused());
  EXPECT_TRUE(edit.caretVisible());
  advance(TCustomEdit::kCaretBlinkMs);
  EXPECT_FALSE(edit.caretVisible());
  type("a");
  EXPECT_TRUE(edit.caretVisible()) << "typing shows the caret at once";
  advance(TCustomEdit::kCaretBlinkMs);
  EXPECT_FALSE(edit.caretVisible());
  advance(TCustomEdit::kCaretBlinkMs);
  EXPECT_TRUE(edit.caretVisible());
  TEdit& other = add<TEdit>(Rect::fromSize(10, 40, 145, 21));
  other.setFocus();
  settle();
  EXPECT_FALSE(edit.caretVisible());
  EXPECT_FALSE(ws_->hasTimer(*edit.window(), 1)) << "no timer runs for an edit without the focus";
}

TEST_F(EditTest, CaretAndSelectionArePainted) {
  edit.setText("WWW");
  edit.setSelStart(3);
  settle();
  Rect caret = edit.caretRect();
  Point caretScreen = edit.clientToScreen(caret.topLeft() + Point{0, caret.height() / 2});
  EXPECT_EQ(screenAt(caretScreen), resolveColor(clWindowText));
  advance(TCustomEdit::kCaretBlinkMs);
  EXPECT_EQ(screenAt(caretScreen), resolveColor(clWindow));
  edit.SelectAll();
  Point inSelection = edit.clientToScreen({3, caret.top + 1});
  EXPECT_EQ(screenAt(inSelection), resolveColor(clHighlight));
  TEdit& other = add<TEdit>(Rect::fromSize(10, 40, 145, 21));
  other.setFocus();
  EXPECT_EQ(screenAt(inSelection), resolveColor(clWindow)) << "the selection is hidden without the focus";
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretInView) {
  std::string text(60, 'W');
  edit.setText(text);
  key(VK_END);
  Rect caret = edit.caretRect();
  EXPECT_GT(caret.left, 0);
  EXPECT_LT(caret.left, edit.clientWidth());
  key(VK_HOME);
  EXPECT_EQ(edit.caretRect().left, 2);
}

}  // namespace
}  // namespace tavra::test
