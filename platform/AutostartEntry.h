#pragma once

#include <QString>

// The XDG autostart entry "vorenda.desktop" that starts the program at login.
namespace AutostartEntry {

// Full path of the entry under $XDG_CONFIG_HOME/autostart (default ~/.config/autostart).
QString path();

// The entry's text for the program at `executable`.
QByteArray contents(const QString& executable);

// Writes the entry atomically (an unchanged entry is left alone) or removes it.
// False when the entry could not be written or removed.
bool apply(bool on, const QString& executable);

} // namespace AutostartEntry
