#include "HotkeyTrigger.h"

#include <algorithm>

HotkeyTrigger::HotkeyTrigger(const QKeySequence& sequence)
    : QObject(nullptr)
    , keySequence(sequence)
{
}

bool HotkeyTrigger::addReceiver(QObject* receiver, const char* member)
{
    // A second binding of the same slot would run it twice per press.
    if (!QObject::connect(this, SIGNAL(activated()), receiver, member, Qt::UniqueConnection))
        return false;
    bindings.append({receiver, QByteArray(member)});
    return true;
}

bool HotkeyTrigger::removeReceiver(QObject* receiver, const char* member)
{
    if (!QObject::disconnect(this, SIGNAL(activated()), receiver, member))
        return false;
    const QByteArray name(member);
    bindings.erase(std::remove_if(bindings.begin(), bindings.end(),
                                  [&](const Binding& b) { return b.receiver == receiver && b.member == name; }),
                   bindings.end());
    return true;
}

void HotkeyTrigger::forgetReceiver(QObject* receiver)
{
    bindings.erase(std::remove_if(bindings.begin(), bindings.end(),
                                  [&](const Binding& b) { return b.receiver == receiver; }),
                   bindings.end());
}

bool HotkeyTrigger::hasReceiver(const QObject* receiver) const
{
    return std::any_of(bindings.cbegin(), bindings.cend(), [&](const Binding& b) { return b.receiver == receiver; });
}
