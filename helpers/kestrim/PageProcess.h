#pragma once

#include <QProcess>

// A page process: the page program beside Kestrim (PageWorker). It starts with the
// page ceiling on its address space rather than the supervisor's smaller one,
// drops no core, and readies the web engine before its job arrives, so one can
// be started ahead of need.
class PageProcess : public QProcess
{
    Q_OBJECT

public:
    explicit PageProcess(QObject* parent = nullptr);

    void startWorker();

protected:
    void setupChildProcess() override;
};
