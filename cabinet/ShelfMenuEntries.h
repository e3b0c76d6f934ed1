#pragma once

#include "MenuType.h"

#include <QHash>
#include <QObject>
#include <QSet>

class DynamicAction;
class QAction;
class QMenu;
class VorendaShelf;

// Makes a cabinet's menu entries and frees the self-triggering ones with the menu
// they were made for. A plain entry belongs to its menu and is carried out by the
// menu's caller; a dynamic entry belongs to the cabinet and runs its command itself,
// and once its menu is gone it lives on only until a delayed trigger has fired.
class ShelfMenuEntries : public QObject {
    Q_OBJECT

public:
    explicit ShelfMenuEntries(VorendaShelf& shelf);

    QAction* add(QMenu* menu, MenuType type, const QString& text, int parameter, bool dynamic, int delay);

    // A name put into a menu text as it is: '&' shows as itself, not as a mnemonic,
    // and a tab does not split the entry into a name and a key.
    static QString escaped(const QString& name);

private:
    void onTriggered(DynamicAction* action);
    void onFired(DynamicAction* action);
    void onMenuGone(QObject* menu);

    VorendaShelf& shelf;
    // The dynamic entries of each open menu, and the delayed triggers still to fire.
    QHash<QObject*, QList<DynamicAction*>> entriesOfMenu;
    QHash<DynamicAction*, int> pendingFires;
    QSet<DynamicAction*> orphaned;
};
