#pragma once

// The five states of a look that changes with its owner's state; the per-state records
// derive from it, so `FontProperty::Hover` and `ImageResource::Hover` are one value.
struct LookState
{
    enum State : int {
        Normal = 0,    // plain look
        Selected,      // selected, or a pressed or checked button
        Hover,         // the mouse is over it
        SelectedHover, // selected (pressed, checked) and the mouse over it
        Disabled       // a disabled widget
    };
    static constexpr int StateCount = 5;

    static bool isState(int state) { return state >= Normal && state < StateCount; }
};
