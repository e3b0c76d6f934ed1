#pragma once

#include <QEvent>
#include <QObject>

// Turns one event type of the objects it is installed on into filterEvent(),
// optionally swallowing those events. Created without a Qt parent; the creator
// owns it and keeps it alive as long as the watched objects.
class ObjectEventFilter : public QObject
{
    Q_OBJECT

public:
    ObjectEventFilter(QEvent::Type type, bool consume);
    // `member` is a SLOT() taking one QEvent*.
    ObjectEventFilter(QEvent::Type type, QObject* receiver, const char* member, bool consume);

    QEvent::Type eventType() const { return type; }
    bool consumes() const { return consume; }

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void filterEvent(QEvent* event);

private:
    QEvent::Type type;
    bool consume;
};
