#pragma once
// The rectangles the skinned tab control paints with, worked out from the framework control's
// item rectangles and display rectangle. W × H is the control's size.
//
//    strip S   ┌────┐┌────┐                 the strip holds the tabs; the page P starts 4 pixels
//              │ t0 ││ t1 │                 above the display rectangle D's top (top tabs), so
//    page P  ┌─┴────┴┴────┴─────────┐       the tabs' lower edges lie over the page's edge;
//            │  ┌────────────────┐  │       a selected tab is 2 pixels larger on each side
//            │  │ display D      │  │       (it covers its neighbours and the page's edge),
//            │  └────────────────┘  │       a tab not selected reaches 4 pixels further toward
//            └──────────────────────┘       the page, under it.
#include "base/Geometry.h"
#include "framework/controls/TabControl.h"

namespace tavra {

// Where the tabs lie around the page.
enum class TabSide { Top, Bottom, Left, Right };
enum class TabSelection { NotSelected, Selected };

TabSide tabSideOf(TTabPosition position);

// A tab's painted rectangle from its item rectangle: unchanged for the button styles and for an
// empty item; else larger when selected, reaching under the page when not.
Rect skinTabRect(const Rect& item, TabSelection selection, TTabStyle style, TabSide side);

// The display rectangle D as the skinned control takes it: the framework's, 2 pixels lower.
Rect skinDisplayRect(const Rect& frameworkDisplay);
// The page area P and the strip S of a W × H control (the whole control when it has no tabs).
Rect tabPageRect(const Rect& display, Size size, TabSide side, bool hasTabs);
Rect tabStripRect(const Rect& display, Size size, TabSide side, bool hasTabs);

// The row of a tab counted from 1 (the row farthest from the page) out of `rows`.
int tabRowOf(const Rect& item, int rows, TabSide side, const Rect& strip);

}  // namespace tavra
