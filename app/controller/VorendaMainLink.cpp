#include "VorendaMainLink.h"

#include "VorendaMain.h"

#include <QSystemTrayIcon>

void VorendaMainLink::ensureInstalled()
{
    static VorendaMainLink link;
    if (!ControllerLink::installed())
        ControllerLink::install(&link);
}

ControllerPreferences VorendaMainLink::preferences(const VorendaMain* controller) const
{
    ControllerPreferences preferences;
    if (!controller)
        return preferences;
    preferences.runAtStartup = controller->runAtStartup;
    preferences.autoUpdates = controller->autoUpdates;
    preferences.showKiosk = controller->showKiosk;
    preferences.showAllKey = controller->showAllKey;
    preferences.hideAllKey = controller->hideAllKey;
    preferences.quickSearchKey = controller->quickSearchKey;
    return preferences;
}

void VorendaMainLink::setPreferences(VorendaMain* controller, const ControllerPreferences& preferences)
{
    if (!controller)
        return;
    controller->runAtStartup = preferences.runAtStartup;
    controller->autoUpdates = preferences.autoUpdates;
    controller->showKiosk = preferences.showKiosk;
    controller->setHotkeys(preferences.showAllKey, preferences.hideAllKey, preferences.quickSearchKey);
}

void VorendaMainLink::save(VorendaMain* controller)
{
    if (controller)
        controller->save();
}

void VorendaMainLink::showTrayMessage(VorendaMain* controller, const QString& title, const QString& text, int icon,
                                      int msecs)
{
    if (controller && controller->trayIcon)
        controller->trayIcon->showMessage(title, text, QSystemTrayIcon::MessageIcon(icon), msecs);
}
