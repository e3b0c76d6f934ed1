#include "HotkeyManager.h"

#include "GlobalHotkeyBackend.h"
#include "VorendaGlobal.h"

#include <QCoreApplication>

namespace {
HotkeyManager* hotkeyManager = nullptr;
}

HotkeyManager::HotkeyManager(QObject* parent)
    : QObject(parent)
{
}

HotkeyManager::~HotkeyManager()
{
    clear();
    if (hotkeyManager == this)
        hotkeyManager = nullptr;
}

HotkeyManager* HotkeyManager::instance()
{
    if (!hotkeyManager)
        hotkeyManager = new HotkeyManager(QCoreApplication::instance());
    return hotkeyManager;
}

GlobalHotkeyBackend* HotkeyManager::platform()
{
    if (!backend) {
        backend = GlobalHotkeyBackend::create();
        QObject::connect(backend.get(), &GlobalHotkeyBackend::activated, this, &HotkeyManager::onActivated);
    }
    return backend.get();
}

void HotkeyManager::setBackend(std::unique_ptr<GlobalHotkeyBackend> replacement)
{
    HotkeyManager* self = instance();
    clear();
    self->backend = std::move(replacement);
    if (self->backend)
        QObject::connect(self->backend.get(), &GlobalHotkeyBackend::activated, self, &HotkeyManager::onActivated);
}

bool HotkeyManager::registerTrigger(HotkeyTrigger* trigger)
{
    GlobalHotkeyBackend* service = platform();
    if (service->registerHotkey(nextId, trigger->sequence())) {
        trigger->setId(nextId++);
        return true;
    }
    VorendaGlobal::addToLog(QStringLiteral("HotkeyManager: Could not register the hotkey \"%1\": %2")
                                .arg(trigger->sequence().toString(QKeySequence::PortableText),
                                     service->errorString()));
    return false;
}

bool HotkeyManager::connect(const QKeySequence& sequence, QObject* receiver, const char* member)
{
    if (sequence.isEmpty() || !receiver || !member)
        return false;
    HotkeyManager* self = instance();
    HotkeyTrigger* trigger = self->map.value(sequence);
    if (!trigger) {
        trigger = new HotkeyTrigger(sequence);
        self->map.insert(sequence, trigger);
    }
    if (trigger->addReceiver(receiver, member))
        self->watch(receiver);
    if (!trigger->hasReceivers()) {
        // The member string named nothing to connect to.
        self->removeTrigger(sequence);
        return false;
    }
    return trigger->id() != 0 || self->registerTrigger(trigger);
}

void HotkeyManager::disconnect(const QKeySequence& sequence, QObject* receiver, const char* member)
{
    if (sequence.isEmpty() || !hotkeyManager)
        return;
    HotkeyTrigger* trigger = hotkeyManager->map.value(sequence);
    if (!trigger)
        return;
    trigger->removeReceiver(receiver, member);
    if (!trigger->hasReceivers())
        hotkeyManager->removeTrigger(sequence);
}

void HotkeyManager::clear()
{
    if (!hotkeyManager)
        return;
    const QList<QKeySequence> sequences = hotkeyManager->map.keys();
    for (const QKeySequence& sequence : sequences)
        hotkeyManager->removeTrigger(sequence);
}

bool HotkeyManager::isBound(const QKeySequence& sequence)
{
    return hotkeyManager && hotkeyManager->map.contains(sequence);
}

int HotkeyManager::hotkeyId(const QKeySequence& sequence)
{
    const HotkeyTrigger* trigger = hotkeyManager ? hotkeyManager->map.value(sequence) : nullptr;
    return trigger ? trigger->id() : 0;
}

void HotkeyManager::removeTrigger(const QKeySequence& sequence)
{
    HotkeyTrigger* trigger = map.take(sequence);
    if (!trigger)
        return;
    if (trigger->id() != 0 && backend)
        backend->unregisterHotkey(trigger->id());
    delete trigger;
}

void HotkeyManager::onActivated(int id)
{
    if (id == 0)
        return;
    // A copy: a receiver may rebind hotkeys while it runs.
    const QList<HotkeyTrigger*> triggers = map.values();
    for (HotkeyTrigger* trigger : triggers) {
        if (trigger->id() == id) {
            trigger->activate();
            return;
        }
    }
}

void HotkeyManager::watch(QObject* receiver)
{
    QObject::connect(receiver, &QObject::destroyed, this, &HotkeyManager::onReceiverDestroyed, Qt::UniqueConnection);
}

void HotkeyManager::onReceiverDestroyed(QObject* receiver)
{
    // Qt drops the dead connections itself; without this the grab would stay.
    const QList<QKeySequence> sequences = map.keys();
    for (const QKeySequence& sequence : sequences) {
        HotkeyTrigger* trigger = map.value(sequence);
        trigger->forgetReceiver(receiver);
        if (!trigger->hasReceivers())
            removeTrigger(sequence);
    }
}
