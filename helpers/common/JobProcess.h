#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <functional>
#include <vector>

#include <poll.h>
#include <sys/types.h>

// One child process of IsolatedJob's, from its start to its end: its work runs in a
// copy of the calling thread, what the work returns comes back through a pipe, and the
// child is killed once its deadline passes. Several can run at once, watched by one
// thread that polls their pipes. Its standard error either stays the helper's own or
// is collected, so that the messages of jobs run side by side can be told in order.
class JobProcess
{
public:
    enum class Errors { Shared, Collected };

    // At most this much of a child's standard error is kept.
    static constexpr int MAX_ERROR_BYTES = 64 * 1024;

    // Starts `work` in a child of its own; when that fails, the job is done at once
    // with the reason in failure().
    JobProcess(const std::function<QByteArray()>& work, int timeoutMs, int maxResultBytes, Errors errors);
    // A child still running is killed; none is left behind unwaited.
    ~JobProcess();
    JobProcess(const JobProcess&) = delete;
    JobProcess& operator=(const JobProcess&) = delete;

    bool isDone() const { return done; }
    // Adds the pipes to wait on while the job runs, and says how long it may run yet.
    void addPipes(std::vector<struct pollfd>* pipes) const;
    qint64 remainingMs() const { return deadline.remainingTime(); }
    // Reads what the pipes hold without waiting; ends the job when the child has
    // closed its result or its deadline has passed.
    void readPipes();

    // Once done: what the work returned, cut to its limit, or empty with the reason in
    // failure() when the child crashed, failed or ran past its deadline.
    QByteArray result() const { return output; }
    QString failure() const { return reason; }
    // What the child wrote on standard error, when collected.
    QByteArray errors() const { return errorText; }

private:
    void finish(bool overdue);
    static bool readInto(int pipe, QByteArray* into, int limit);

    const int timeoutMs;
    const int maxResultBytes;
    QDeadlineTimer deadline;
    pid_t child = -1;
    int resultPipe = -1;
    int errorPipe = -1;
    bool done = false;
    QByteArray output;
    QByteArray errorText;
    QString reason;
};
