#pragma once

#include <QObject>

// What a hotkey is connected to: a slot that counts its calls, or a signal that passes
// the hotkey on.
class HotkeyReceiver : public QObject
{
    Q_OBJECT
public:
    int calls = 0;
public slots:
    void onHotkey() { ++calls; }
signals:
    void relayed();
};
