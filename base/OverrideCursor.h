#pragma once

#include <Qt>

// Shows a cursor (usually the busy one) for the life of a scope.
class OverrideCursor
{
public:
    explicit OverrideCursor(Qt::CursorShape shape = Qt::BusyCursor, bool restore = true);
    ~OverrideCursor();

    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;

private:
    bool restore;
};
