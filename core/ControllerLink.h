#pragma once

#include "InstalledLink.h"

#include <QKeySequence>
#include <QString>

class VorendaMain;

// The controller's switches and global hotkeys that the preferences panel edits.
struct ControllerPreferences
{
    bool runAtStartup = true;
    bool autoUpdates = true;
    bool showKiosk = true;
    QKeySequence showAllKey;
    QKeySequence hideAllKey;
    QKeySequence quickSearchKey;
};

// What the panels and cabinets ask of the controller. Their libraries lie below the
// controller's and cannot call it, so the controller installs its link when it is
// built; until then installed() is null.
class ControllerLink : public InstalledLink<ControllerLink>
{
public:
    virtual ~ControllerLink() = default;

    virtual ControllerPreferences preferences(const VorendaMain* controller) const = 0;
    // Stores the switches and the hotkeys; each hotkey is bound again to its target
    // and the menu entries show the new keys.
    virtual void setPreferences(VorendaMain* controller, const ControllerPreferences& preferences) = 0;
    // Writes the settings and the main data file.
    virtual void save(VorendaMain* controller) = 0;
    // A notice from the status icon, where the desktop has a tray; `icon` is a
    // QSystemTrayIcon::MessageIcon.
    virtual void showTrayMessage(VorendaMain* controller, const QString& title, const QString& text, int icon,
                                 int msecs) = 0;
};
