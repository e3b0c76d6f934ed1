#pragma once

#include "SingleInstanceLock.h"

#include <QApplication>

class TerminationSignals;

// The application object: owns the single-instance lock and keeps a thrown
// text from ending the program.
class MyQApplication : public QApplication
{
    Q_OBJECT

public:
    MyQApplication(int& argc, char** argv);

    // True when this process may go on: it holds the lock named `name`. Callable
    // before the application object exists, so a second start ends at once.
    static bool oneInstance(const QString& name);

    bool notify(QObject* receiver, QEvent* event) override;

    // SIGTERM, SIGHUP and the session manager's request to save all end the
    // program through aboutToEndSession() and the normal quit.
    void installSessionEndHandlers();

signals:
    void aboutToEndSession();

private:
    void endSessionAndQuit();

    TerminationSignals* terminationSignals = nullptr;
    bool endingSession = false;
};
