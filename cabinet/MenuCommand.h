#pragma once

#include "MenuType.h"

#include <QVariant>

// A menu entry's command: its number and one integer parameter (a category key, a
// style key or -1), carried in the entry's data as one signed 64-bit value with the
// parameter in the high word and the number in the low word.
struct MenuCommand {
    MenuType type = MenuType(-1);
    int parameter = -1;
    // False for data that carries no command.
    bool valid = false;

    static QVariant pack(MenuType type, int parameter);
    static MenuCommand unpack(const QVariant& data);
};
