#include "VorendaMain.h"

#include "DockableWidget.h"
#include "DynamicAction.h"
#include "PersonalizationWidget.h"
#include "QuickSearchWidget.h"
#include "QuickStartDialog.h"
#include "ShowCabinetEntry.h"
#include "TextFunctions.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"
#include "WelcomeDialog.h"

#include <QDateTime>
#include <QMenu>
#include <QUuid>

QKeySequence VorendaMain::freeShowHotkey() const
{
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        const QKeySequence key = QKeySequence::fromString(tr("Ctrl+%1").arg(n), QKeySequence::PortableText);
        bool taken = false;
        for (const VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
            taken = taken || (shelf->frame && shelf->frame->showHotkey() == key);
        if (!taken)
            return key;
    }
    return QKeySequence();
}

QString VorendaMain::freeShelfName() const
{
    for (int n = 1; n <= 999; ++n) {
        const QString name = tr("Cabinet %1").arg(n);
        bool taken = false;
        for (const VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
            taken = taken || shelf->name == name;
        if (!taken)
            return name;
    }
    return QString();
}

VorendaShelf* VorendaMain::onCreateNewShelf(const QString& id, uint date, int styleKey)
{
    if (!id.isEmpty()) {
        for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
            if (shelf->id == id)
                return shelf;
    }

    auto* shelf = new VorendaShelf(nullptr);
    const bool brandNew = id.isEmpty();
    if (brandNew) {
        const QKeySequence key = freeShowHotkey();
        if (!key.isEmpty())
            shelf->frame->setShowHotkey(key);
        shelf->name = freeShelfName();
        shelf->id = getHash(QUuid::createUuid().toString() + QString::number(QDateTime::currentSecsSinceEpoch()));
    } else {
        shelf->id = id;
    }
    if (date != 0)
        shelf->date = date;
    shelf->fileName = QStringLiteral("%1.dat").arg(shelf->id);
    shelf->setWindowTitle(tr("Vorenda"));
    shelf->style = VorendaGlobal::shelfStyles.contains(styleKey) ? VorendaGlobal::shelfStyles.value(styleKey)
                                                                 : VorendaGlobal::defaultShelfStyle;
    shelf->initialize();
    wireShelf(shelf);
    VorendaGlobal::shelves.append(shelf);

    QAction* entry = addMenuAction(showShelfMenu, ShowCabinetEntry::text(*shelf), QVariant(), shelf, SLOT(show()), -1);
    shelfEntries.insert(shelf, entry);
    shelf->showCabinetEntry = entry;
    emptyAction->setVisible(false);

    if (brandNew) {
        shelf->show();
        emit shelvesChanged();
        // A new cabinet is on disk at once, not only when the program quits.
        save();
        QuickStartDialog::instance()->show(shelf);
    }
    return shelf;
}

void VorendaMain::wireShelf(VorendaShelf* shelf)
{
    connect(shelf, &VorendaShelf::createNewShelf, this,
            qOverload<const QString&, uint, int>(&VorendaMain::onCreateNewShelf));
    connect(shelf, &VorendaShelf::shelfRemoved, this, &VorendaMain::onShelfDeleted);
    connect(shelf, &VorendaShelf::shelfShown, this, &VorendaMain::onShelfShown);
    // A cabinet that goes without saying so must not stay listed.
    connect(shelf, &QObject::destroyed, this, [this, shelf] { forgetShelf(shelf); });

    connect(this, &VorendaMain::aboutToQuit, shelf, &VorendaShelf::quit);
    connect(this, &VorendaMain::aboutToEndSession, shelf, &VorendaShelf::endSession);
    connect(this, &VorendaMain::showAll, shelf, &VorendaShelf::show);
    if (shelf->frame)
        connect(this, &VorendaMain::hideAll, shelf->frame, &DockableWidget::hide);

    // The add-progress window's Continue and Abort are wired by the cabinet that shows
    // it, so they reach that cabinet's walkers only.
    connect(QuickSearchWidget::instance(), &QuickSearchWidget::search, shelf, &VorendaShelf::search);
}

void VorendaMain::forgetShelf(VorendaShelf* shelf)
{
    VorendaGlobal::shelves.removeAll(shelf);
    if (QAction* entry = shelfEntries.take(shelf))
        delete entry;
    if (VorendaGlobal::shelves.isEmpty() && emptyAction)
        emptyAction->setVisible(true);
}

void VorendaMain::onCreateNewShelf()
{
    settings.setValue(QStringLiteral("WelcomeShown"), true);
    firstShelf = onCreateNewShelf(QString(), 0, defaultStyleKey);
    if (!firstShelf)
        return;
    firstShelf->show();
    // The welcome wizard fills the first cabinet; the quick-start panel would stand in its way.
    if (QuickStartDialog::instance()->currentShelf == firstShelf)
        QuickStartDialog::instance()->close();
    WelcomeDialog welcome;
    welcome.exec(firstShelf);
}

void VorendaMain::onCreateNewShelf(QVariant data, bool checked)
{
    Q_UNUSED(checked)
    if (data.isValid())
        onCreateNewShelf(QString(), 0, data.toInt());
}

void VorendaMain::onShelfShown(VorendaShelf* shelf)
{
    Q_UNUSED(shelf)
}

void VorendaMain::onShelfDeleted(VorendaShelf* shelf)
{
    forgetShelf(shelf);
    if (PersonalizationWidget::instance()->shelf == shelf)
        PersonalizationWidget::instance()->close();
    save();
    emit shelvesChanged();
}
