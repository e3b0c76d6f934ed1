#pragma once

#include <QAction>
#include <QVariant>

// A menu action that hands its data() to the slot, so one slot can serve many
// entries. With a delay it emits from a timer, after the menu has closed.
class DynamicAction : public QAction
{
    Q_OBJECT

public:
    explicit DynamicAction(QObject* parent);
    // A new action of `parent` with that text and data, delayed by `delay` ms unless
    // `delay` is -1.
    static DynamicAction* create(QObject* parent, const QString& text, const QVariant& data, int delay);

    // A delay of 0 emits on the next pass of the event loop; callers pass
    // setDelayed(delay != -1, delay).
    void setDelayed(bool delayed, int msec);
    bool isDelayed() const { return delayed; }
    int delayInterval() const { return delay; }

signals:
    void triggered(const QVariant& data, bool checked = false);

protected slots:
    void onTriggered(bool checked);
    void onTriggerDelayed();

private:
    bool delayed = false;
    int delay = -1;
};
