#pragma once

// The one part of a cabinet style that an edit changed, so that applying the style
// restyles only what that edit touches. -1 restyles everything; 8 names nothing.
enum StyleElement : int {
    AllElements = -1,
    PerspectiveAngle = 0,
    BackDarkness = 1,
    ReflectionLevel = 2,
    SidePanelOffset = 3,
    BackPanelOffset = 4,
    ShelfPattern = 5,
    CabinetPattern = 6,
    CategoryPattern = 7,
    ShelfColor = 9,
    CabinetColor = 10,
    CabinetTextColor = 11,
    CategoryColor = 12,
    CategoryTextColor = 13,
    DropIndicatorColor = 14,
    ItemSelectionColor = 15,
    ToolTipColor = 16,
    ToolTipTextColor = 17
};
