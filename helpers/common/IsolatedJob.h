#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Runs one job in a child process of its own, so that a file that makes a decoder
// hang or crash costs only itself. The deadline is kept by this process, which does
// no decoding: a child still running when it passes is killed. The child writes
// nothing on standard output, leaves no core file and ends with this process; what its
// work returns comes back through a pipe. Call it while this process runs no other
// thread: the child is a copy of the calling thread alone.
namespace IsolatedJob {

// An output line is the most a job usually returns.
constexpr int LINE_RESULT_BYTES = 64 * 1024;

// What `work` returned in the child, cut to `maxResultBytes`; empty when it returned
// nothing, or, with the reason in `failure`, when the child crashed, failed or was
// still running after `timeoutMs`.
QByteArray run(const std::function<QByteArray()>& work, int timeoutMs, QString* failure,
               int maxResultBytes = LINE_RESULT_BYTES);

} // namespace IsolatedJob
