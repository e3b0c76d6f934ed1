#pragma once

#include "ControllerLink.h"

// The controller library's answer to the panels below it; installed by the controller.
class VorendaMainLink : public ControllerLink
{
public:
    // Installs the one link unless it is installed already.
    static void ensureInstalled();

    ControllerPreferences preferences(const VorendaMain* controller) const override;
    void setPreferences(VorendaMain* controller, const ControllerPreferences& preferences) override;
    void save(VorendaMain* controller) override;
    void showTrayMessage(VorendaMain* controller, const QString& title, const QString& text, int icon,
                         int msecs) override;
};
