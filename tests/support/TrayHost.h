#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QPair>
#include <QRect>
#include <QWidget>

// The desktop's status area, for tests on a bare X server: a window of the test that
// owns the system tray selection of screen 0 and embeds each icon that asks to dock
// (the XEmbed tray protocol), so a program's status icon can be clicked like on a
// desktop. Only one may live at a time.
class TrayHost : public QWidget, public QAbstractNativeEventFilter
{
public:
    TrayHost();
    ~TrayHost() override;

    // True once the tray selection is ours.
    bool isReady() const { return ready; }
    // Where the docked icons that still exist are on the screen, in the order they docked.
    QList<QRect> icons() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override;

private:
    void dock(quint32 icon);
    // The windows embedded in the host now.
    QList<quint32> children() const;

    quint32 selection = 0;
    quint32 opcode = 0;
    QList<QPair<quint32, QRect>> docked; // window and its place in the host
    bool ready = false;
};
