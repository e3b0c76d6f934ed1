#include "ShelfMenuEntries.h"

#include "DynamicAction.h"
#include "MenuCommand.h"
#include "ShelfParts.h"
#include "VorendaShelf.h"

#include <QMenu>

ShelfMenuEntries::ShelfMenuEntries(VorendaShelf& shelf)
    : shelf(shelf)
{
}

QAction* ShelfMenuEntries::add(QMenu* menu, MenuType type, const QString& text, int parameter, bool dynamic, int delay)
{
    if (!menu)
        return nullptr;
    const QVariant data = MenuCommand::pack(type, parameter);
    if (!dynamic) {
        QAction* action = menu->addAction(text);
        action->setData(data);
        return action;
    }

    DynamicAction* action = DynamicAction::create(&shelf, text, data, delay);
    connect(action, &DynamicAction::triggered, &shelf, &VorendaShelf::onDelayedAction);
    // The bookkeeping runs after the command: a delayed trigger counts as pending until it fires.
    connect(action, qOverload<bool>(&QAction::triggered), this, [this, action] { onTriggered(action); });
    connect(action, &DynamicAction::triggered, this, [this, action] { onFired(action); });
    menu->addAction(action);

    if (!entriesOfMenu.contains(menu))
        connect(menu, &QObject::destroyed, this, &ShelfMenuEntries::onMenuGone);
    entriesOfMenu[menu].append(action);
    return action;
}

QString ShelfMenuEntries::escaped(const QString& name)
{
    QString text = name;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

void ShelfMenuEntries::onTriggered(DynamicAction* action)
{
    if (action->isDelayed())
        ++pendingFires[action];
}

void ShelfMenuEntries::onFired(DynamicAction* action)
{
    if (!action->isDelayed())
        return;
    auto pending = pendingFires.find(action);
    if (pending == pendingFires.end())
        return;
    if (--pending.value() > 0)
        return;
    pendingFires.erase(pending);
    if (orphaned.remove(action))
        action->deleteLater();
}

void ShelfMenuEntries::onMenuGone(QObject* menu)
{
    const QList<DynamicAction*> entries = entriesOfMenu.take(menu);
    for (DynamicAction* action : entries) {
        if (pendingFires.contains(action))
            orphaned.insert(action);
        else
            action->deleteLater();
    }
}

// ---- The cabinet's entry points

QAction* VorendaShelf::addMenuAction(QMenu* menu, MenuType type, const QString& text, int parameter, bool dynamic,
                                     int delay)
{
    return ShelfParts::of(*this).menuEntries.add(menu, type, text, parameter, dynamic, delay);
}
