#include "CabinetCommands.h"

#include "DockableWidget.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "ShelfParts.h"
#include "ShelfRemoval.h"
#include "ShelfStyling.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QFile>
#include <QPointer>
#include <QTimer>

CabinetCommands::CabinetCommands(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void CabinetCommands::deleteCabinet()
{
    const QPointer<VorendaShelf> self(&shelf);
    bool ok = false;
    ShelfRemoval(shelf).cabinetRequest(&ok);
    if (!self || !ok)
        return;

    // Nothing of the cabinet may run on once it goes: no walk adds items, no helper
    // delivers a picture, and no save writes its data file back.
    ShelfParts::of(shelf).walks.stop();
    ShelfParts::of(shelf).jobs.abort();
    ShelfParts::of(shelf).dataFile.markDeleted();
    {
        OverrideCursor busy(Qt::BusyCursor);
        shelf.view->clear();
    }
    // A read-only configuration keeps every file; a missing file is no error.
    const QString path = ShelfDataFile::path(shelf);
    if (!path.isEmpty() && !VorendaGlobal::readOnlyConfig)
        QFile::remove(path);
    shelf.frame->hide();
    shelf.deleteLater();
    emit shelf.shelfRemoved(&shelf);
}

void CabinetCommands::newCabinet(int styleKey)
{
    // The controller writes its list of cabinets as soon as it has made the new one.
    emit shelf.createNewShelf(QString(), 0, styleKey);
}

void CabinetCommands::hideCabinet()
{
    shelf.frame->hide();
}

void CabinetCommands::changeStyle(int styleKey)
{
    // The quick-start panel calls this directly, past the command table's kiosk rule.
    if (shelf.kiosk)
        return;
    const ShelfStyle style = VorendaGlobal::shelfStyles.contains(styleKey) ? VorendaGlobal::shelfStyles.value(styleKey)
                                                                           : VorendaGlobal::defaultShelfStyle;
    ShelfStyling styling(shelf);
    styling.apply(style, AllElements, false);
    styling.commit(style);
}
