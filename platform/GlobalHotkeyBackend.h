#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <memory>

// The desktop's system-wide hotkey service. The caller hands out the ids; the
// backend reports each press of a registered sequence with activated(id), on
// the GUI thread, after the native event has been handled.
class GlobalHotkeyBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The service of the running platform (X11; elsewhere every registration fails).
    static std::unique_ptr<GlobalHotkeyBackend> create();

    // Binds the first key of `sequence` under `id`. False when the service refused
    // it; errorString() then says why.
    virtual bool registerHotkey(int id, const QKeySequence& sequence) = 0;
    // Releases the binding of `id`; unknown ids are ignored.
    virtual void unregisterHotkey(int id) = 0;
    virtual QString errorString() const = 0;

signals:
    void activated(int id);
};
