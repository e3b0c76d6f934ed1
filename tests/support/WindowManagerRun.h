#pragma once

#include <QProcess>

// A window manager (openbox) on the test's X server, for behaviour that only shows where
// windows are framed and stacked by one. Started by start(), which returns once it has
// taken the screen; ended with the object.
class WindowManagerRun
{
public:
    WindowManagerRun() = default;
    ~WindowManagerRun();
    WindowManagerRun(const WindowManagerRun&) = delete;
    WindowManagerRun& operator=(const WindowManagerRun&) = delete;

    // Whether it runs and has announced itself on the root window; the reason otherwise.
    bool start(QString* error);

private:
    QProcess process;
};
