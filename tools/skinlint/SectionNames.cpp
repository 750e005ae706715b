#include "SectionNames.h"

#include <array>

namespace tavra::lint {
namespace {

constexpr SectionNeed W = SectionNeed::Windows;
constexpr SectionNeed E = SectionNeed::Engine;

constexpr std::array kSections = {
    SectionName{"GLOBALINFO", W, "global colours, check boxes and caption buttons"},
    SectionName{"FORM", W, "the frame of every window"},
    SectionName{"FORMTITLE", W, "the caption of every window"},
    SectionName{"MAINMENU", W, "popup menus"},
    SectionName{"MENUITEM", W, "menu items"},
    SectionName{"MENULINE", W, "the main window's menu bar"},
    SectionName{"SPEEDBUTTON_SMALL", W, "checked menu items"},
    SectionName{"TOOLBAR", W, "menu captions"},
    SectionName{"DIVIDERV", W, "menu separators"},
    SectionName{"PANEL", W, "panels of the splash, main, testing and About windows"},
    SectionName{"BAR", W, "the main window's frame bar"},
    SectionName{"BUTTON", W, "bit buttons of the main and testing windows"},
    SectionName{"BUTTON_HUGE", W, "the result window's countdown label"},
    SectionName{"SPEEDBUTTON", W, "speed buttons of the main, testing and About windows"},
    SectionName{"EDIT", W, "the table of contents and the personal-data fields"},
    SectionName{"GROUPBOX", W, "group boxes and the answer radio group"},
    SectionName{"TABBOTTOM", W, "the captions of group boxes"},
    SectionName{"PAGECONTROL", W, "the testing window's tab controls"},
    SectionName{"TABTOP", W, "the tabs of the testing window's tab controls"},
    SectionName{"HINT", W, "hints"},
    SectionName{"ICOLINE", SectionNeed::Optional, "the icon strip of menus"},
    SectionName{"BARPANEL", E, "frame bar panels"},
    SectionName{"BARTITLE", E, "frame bar titles"},
    SectionName{"CHECKBOX", E, "check boxes"},
    SectionName{"COLHEADER", E, "column headers"},
    SectionName{"COMBOBOX", E, "combo boxes"},
    SectionName{"COMBOBTN", E, "combo box buttons"},
    SectionName{"DIALOG", E, "dialogs"},
    SectionName{"DIVIDER", E, "divider buttons"},
    SectionName{"DRAGBAR", E, "drag bars"},
    SectionName{"EXTRALINE", E, "the extra line of menus"},
    SectionName{"GAUGE", E, "gauges"},
    SectionName{"MDIAREA", E, "MDI client areas"},
    SectionName{"PAGECONTROLBOTTOM", E, "tab controls with tabs at the bottom"},
    SectionName{"PAGECONTROLLEFT", E, "tab controls with tabs at the left"},
    SectionName{"PAGECONTROLRIGHT", E, "tab controls with tabs at the right"},
    SectionName{"PANEL_LOW", E, "lowered panels"},
    SectionName{"RADIOBUTTON", E, "radio buttons"},
    SectionName{"SCROLLBAR1H", E, "scroll bars"},
    SectionName{"SCROLLBAR1V", E, "scroll bars"},
    SectionName{"SCROLLBAR2H", E, "scroll bars"},
    SectionName{"SCROLLBAR2V", E, "scroll bars"},
    SectionName{"SCROLLBTNBOTTOM", E, "scroll bar buttons"},
    SectionName{"SCROLLBTNLEFT", E, "scroll bar buttons"},
    SectionName{"SCROLLBTNRIGHT", E, "scroll bar buttons"},
    SectionName{"SCROLLBTNTOP", E, "scroll bar buttons"},
    SectionName{"SCROLLSLIDERH", E, "scroll bar sliders"},
    SectionName{"SCROLLSLIDERV", E, "scroll bar sliders"},
    SectionName{"SPLITTER", E, "splitters"},
    SectionName{"STATUSBAR", E, "status bars"},
    SectionName{"TABLEFT", E, "tabs at the left"},
    SectionName{"TABRIGHT", E, "tabs at the right"},
    SectionName{"TABSHEET", E, "tab sheets"},
    SectionName{"TOOLBUTTON", E, "tool buttons and flat tabs"},
    SectionName{"TRACKBAR", E, "track bars"},
    SectionName{"UPDOWNBTN", E, "spin buttons of tab controls"},
    SectionName{"WEBBUTTON", E, "web buttons"},
};
static_assert(kSections.size() == 57, "57 section names");

}  // namespace

std::span<const SectionName> sectionNames() { return kSections; }

}  // namespace tavra::lint
