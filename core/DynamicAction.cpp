#include "DynamicAction.h"

#include <QTimer>

DynamicAction::DynamicAction(QObject* parent)
    : QAction(parent)
{
    connect(this, qOverload<bool>(&QAction::triggered), this, &DynamicAction::onTriggered);
}

DynamicAction* DynamicAction::create(QObject* parent, const QString& text, const QVariant& data, int delay)
{
    auto* action = new DynamicAction(parent);
    action->setText(text);
    action->setData(data);
    action->setDelayed(delay != -1, delay);
    return action;
}

void DynamicAction::setDelayed(bool delayed, int msec)
{
    this->delayed = delayed;
    delay = msec;
}

void DynamicAction::onTriggered(bool checked)
{
    if (!delayed) {
        emit triggered(data(), checked);
        return;
    }
    // Each trigger gets its own timer: two quick triggers give two emissions.
    QTimer::singleShot(qMax(0, delay), this, &DynamicAction::onTriggerDelayed);
}

void DynamicAction::onTriggerDelayed()
{
    // Data and checked state as they are now, not as they were when triggered.
    emit triggered(data(), isChecked());
}
