#include "ShowCabinetEntry.h"

#include "DockableWidget.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCoreApplication>

QString ShowCabinetEntry::text(const VorendaShelf& shelf)
{
    // The controller's menu holds the entry, so its texts are translated there.
    const QString name = shelf.name.isEmpty() ? QCoreApplication::translate("VorendaMain", "<No Name>") : shelf.name;
    const QKeySequence key = shelf.frame ? shelf.frame->showHotkey() : QKeySequence();
    return QCoreApplication::translate("VorendaMain", "%1\t%2")
        .arg(name, VorendaGlobal::getKeyName(key.toString(QKeySequence::NativeText)));
}
