#include "WindowManagerRun.h"

#include "X11Properties.h"

#include <QTest>
#include <QX11Info>

WindowManagerRun::~WindowManagerRun()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

bool WindowManagerRun::start(QString* error)
{
    if (!QX11Info::isPlatformX11()) {
        *error = QStringLiteral("needs an X server");
        return false;
    }
    process.setProgram(QStringLiteral("openbox"));
    process.setArguments({QStringLiteral("--sm-disable"), QStringLiteral("--replace")});
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    if (!process.waitForStarted(30000)) {
        *error = process.errorString();
        return false;
    }
    // It answers for frames and window states once it has announced itself.
    const xcb_window_t root = xcb_window_t(QX11Info::appRootWindow());
    const auto announced = [&] {
        return !X11Properties::property32(root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).isEmpty();
    };
    if (!QTest::qWaitFor(announced, 60000)) {
        *error = QStringLiteral("the window manager did not take the screen");
        return false;
    }
    return true;
}
