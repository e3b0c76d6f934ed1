#include "MyQApplication.h"

#include "TerminationSignals.h"
#include "VorendaGlobal.h"

#include <QDebug>

#include <cstdlib>

MyQApplication::MyQApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool MyQApplication::oneInstance(const QString& name)
{
    if (name.isEmpty())
        return true;
    // Held until the process ends; the kernel releases it even after a crash.
    static SingleInstanceLock lock;
    const SingleInstanceLock::Result result = lock.tryLock(name);
    if (result == SingleInstanceLock::Unavailable) {
        // Two instances would write over each other's files: better not start, and say why.
        qCritical("Vorenda: cannot take the single-instance lock \"%s\" in a private folder of this user; "
                  "not started",
                  qPrintable(lock.path().isEmpty() ? name : lock.path()));
    }
    return result == SingleInstanceLock::Locked;
}

bool MyQApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const char* text) {
        qDebug("Exception: %s", text);
        return false;
    } catch (...) {
        qDebug("Unknown exception!");
        std::abort();
    }
}

void MyQApplication::installSessionEndHandlers()
{
    if (terminationSignals)
        return;
    terminationSignals = new TerminationSignals(this);
    connect(terminationSignals, &TerminationSignals::terminationRequested, this,
            [this](int signalNumber) {
                VorendaGlobal::addToLog(QStringLiteral("MyQApplication: Signal %1 received").arg(signalNumber));
                endSessionAndQuit();
            });
    connect(this, &QGuiApplication::commitDataRequest, this, [this] { endSessionAndQuit(); });
}

void MyQApplication::endSessionAndQuit()
{
    if (endingSession)
        return;
    endingSession = true;
    emit aboutToEndSession();
    quit();
}
