#pragma once

#include "DockableWidget.h"

// One of the cabinet's nine docking options, as its data file keeps them ("mode"):
// 0 floating; 1 top, 2 right, 3 bottom, 4 left; 5 to 8 the same edges with the window
// stretched over the whole edge.
struct DockOption
{
    DockableWidget::Mode mode = DockableWidget::Undocked;
    bool wholeEdge = false;

    static constexpr int count = 9;
    static bool isValid(int option) { return option >= 0 && option < count; }
    // The docking of `option`; floating for a number outside 0..8.
    static DockOption of(int option);
};
