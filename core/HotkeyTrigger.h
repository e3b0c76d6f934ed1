#pragma once

#include <QByteArray>
#include <QKeySequence>
#include <QObject>
#include <QVector>

// One bound key sequence: emits activated() on each press and remembers who
// listens, so the registration goes when the last receiver does.
class HotkeyTrigger : public QObject
{
    Q_OBJECT

public:
    explicit HotkeyTrigger(const QKeySequence& sequence);

    QKeySequence sequence() const { return keySequence; }
    // The system registration's id; 0 while not registered.
    int id() const { return hotkeyId; }
    void setId(int id) { hotkeyId = id; }

    // Both return false when nothing changed.
    bool addReceiver(QObject* receiver, const char* member);
    bool removeReceiver(QObject* receiver, const char* member);
    // Forgets a receiver that is being destroyed; its connections go with it.
    void forgetReceiver(QObject* receiver);
    bool hasReceivers() const { return !bindings.isEmpty(); }
    bool hasReceiver(const QObject* receiver) const;

    void activate() { emit activated(); }

signals:
    void activated();

private:
    struct Binding {
        QObject* receiver;
        QByteArray member;
    };

    QKeySequence keySequence;
    int hotkeyId = 0;
    QVector<Binding> bindings;
};
