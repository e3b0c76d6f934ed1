#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Runs one job in a child process of its own, so that a file that makes a decoder
// hang or crash costs only itself. The deadline is kept by this process, which does
// no decoding: a child still running when it passes is killed. The child writes
// nothing on standard output; what its work returns comes back through a pipe.
namespace IsolatedJob {

// What `work` returned in the child; empty when it returned nothing, or, with the
// reason in `failure`, when the child crashed or was still running after `timeoutMs`.
QByteArray run(const std::function<QByteArray()>& work, int timeoutMs, QString* failure);

} // namespace IsolatedJob
