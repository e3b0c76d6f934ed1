#pragma once

#include <QStringList>

#include <functional>

class QMenu;

// Plays the user's part in a menu that runs modally (QMenu::exec), from a timer that
// waits for the menu to pop up.
namespace PopupMenuDriver {

// Runs `step` on the next popup menu; a menu that never shows leaves nothing behind.
void whenMenuShows(const std::function<void(QMenu*)>& step);
// Walks `path` (submenu texts, then the entry) in `menu` with the keyboard, as a user
// would, and picks its last entry with Return.
void pick(QMenu* menu, const QStringList& path);
// Picks `path` in the next menu.
void choose(const QStringList& path);

} // namespace PopupMenuDriver
