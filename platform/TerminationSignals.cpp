#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
volatile sig_atomic_t terminationSeen = 0;

void onUnixSignal(int number)
{
    terminationSeen = 1;
    const unsigned char byte = static_cast<unsigned char>(number);
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    (void)written;
}

} // namespace

void TerminationSignals::install()
{
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onUnixSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

bool TerminationSignals::requested()
{
    return terminationSeen != 0;
}

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    install();
    if (signalPipe[0] < 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
}

TerminationSignals::~TerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

void TerminationSignals::onReadable()
{
    unsigned char byte = 0;
    while (::read(signalPipe[0], &byte, 1) == 1)
        emit terminationRequested(byte);
}
