#pragma once

#include "HotkeyTrigger.h"

#include <QKeySequence>
#include <QMap>
#include <QObject>

#include <memory>

class GlobalHotkeyBackend;

// Binds system-wide key sequences to slots or signals. One system registration
// per distinct sequence, shared by all its receivers and released when the last
// one is unbound or destroyed. Registration ids start at 1 and are never reused.
class HotkeyManager : public QObject
{
    Q_OBJECT

public:
    using KeyTrigger = HotkeyTrigger;

    ~HotkeyManager() override;

    static HotkeyManager* instance();

    // `member` is a SLOT() or SIGNAL() string. Returns whether the sequence holds
    // a system registration: false when the system refused it (another program
    // holds it, or there is no hotkey service), which is also logged. The binding
    // stays, and a later connect of the same sequence tries to register it again.
    static bool connect(const QKeySequence& sequence, QObject* receiver, const char* member);
    static void disconnect(const QKeySequence& sequence, QObject* receiver, const char* member);
    static void clear();

    static bool isBound(const QKeySequence& sequence);
    // The registration id of a bound sequence; 0 when unbound or not registered.
    static int hotkeyId(const QKeySequence& sequence);

    // Replaces the platform layer (tests use a fake); every binding is dropped first.
    static void setBackend(std::unique_ptr<GlobalHotkeyBackend> backend);

private:
    explicit HotkeyManager(QObject* parent);

    GlobalHotkeyBackend* platform();
    bool registerTrigger(HotkeyTrigger* trigger);
    void removeTrigger(const QKeySequence& sequence);
    void onActivated(int id);
    void onReceiverDestroyed(QObject* receiver);
    void watch(QObject* receiver);

    QMap<QKeySequence, HotkeyTrigger*> map;
    std::unique_ptr<GlobalHotkeyBackend> backend;
    int nextId = 1;
};
