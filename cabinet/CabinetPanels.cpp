#include "CabinetPanels.h"

#include "AddProgressWidget.h"
#include "ItemPropertiesDialog.h"
#include "PersonalizationLink.h"
#include "PreferencesWidget.h"
#include "QuickSearchWidget.h"
#include "QuickStartLink.h"
#include "VorendaShelf.h"

bool CabinetPanels::workOn(const VorendaShelf& shelf)
{
    if (QuickSearchWidget::visible() && QuickSearchWidget::instance()->searchingVorenda())
        return true;
    const PersonalizationLink* personalization = PersonalizationLink::installed();
    if (personalization && personalization->editedShelf() == &shelf)
        return true;
    const QuickStartLink* quickStart = QuickStartLink::installed();
    if (quickStart && quickStart->servedShelf() == &shelf)
        return true;
    if (ItemPropertiesDialog::visible() && ItemPropertiesDialog::instance()->getItemView() == shelf.view)
        return true;
    return AddProgressWidget::visible() && AddProgressWidget::instance()->shelf == &shelf;
}

void CabinetPanels::raise()
{
    if (PersonalizationLink* personalization = PersonalizationLink::installed())
        personalization->raise();
    if (QuickStartLink* quickStart = QuickStartLink::installed())
        quickStart->raise();
    for (QWidget* panel : {static_cast<QWidget*>(AddProgressWidget::instance()),
                           static_cast<QWidget*>(PreferencesWidget::instance())}) {
        if (panel)
            panel->raise();
    }
}
