#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP into a Qt signal on the GUI thread (self-pipe), so the
// program ends through its orderly quit path and saves its files.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Catches the signals from now on, before any Qt object exists; what
    // arrives meanwhile is delivered once a TerminationSignals object listens.
    static void install();
    // True once a termination signal arrived: long work that runs before the event
    // loop (loading the data files) asks this to stop early.
    static bool requested();

signals:
    void terminationRequested(int signalNumber);

private:
    void onReadable();

    QSocketNotifier* notifier = nullptr;
};
