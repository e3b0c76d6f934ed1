#include "PopupMenuDriver.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QtTest>

namespace PopupMenuDriver {

void whenMenuShows(const std::function<void(QMenu*)>& step)
{
    auto* poll = new QTimer;
    poll->start(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        poll->deleteLater();
        step(menu);
    });
    // A menu that never shows must not leave the poll behind.
    QTimer::singleShot(5000, poll, [poll] { poll->deleteLater(); });
}

void pick(QMenu* menu, const QStringList& path)
{
    QMenu* current = menu;
    for (int i = 0; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* action : current->actions()) {
            if (!found && action->text() == path.at(i))
                found = action;
        }
        QVERIFY2(found, qPrintable(path.at(i)));
        current->setActiveAction(found);
        if (i + 1 == path.size()) {
            QTest::keyClick(current, Qt::Key_Return);
            return;
        }
        QTest::keyClick(current, Qt::Key_Right);
        QTRY_VERIFY(found->menu()->isVisible());
        current = found->menu();
    }
}

void choose(const QStringList& path)
{
    whenMenuShows([path](QMenu* menu) { pick(menu, path); });
}

} // namespace PopupMenuDriver
