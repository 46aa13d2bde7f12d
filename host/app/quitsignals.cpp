// SPDX-License-Identifier: MIT
#include "host/app/quitsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The two ends of the socket pair: the handler writes, the event loop reads. Only one
// QuitSignals lives at a time, so one pair for the process serves.
int g_ends[2] = {-1, -1};
constexpr int kWriteEnd = 0;
constexpr int kReadEnd = 1;

extern "C" void onQuitSignal(int signal)
{
    // Only async-signal-safe calls here; errno belongs to the code that was interrupted.
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_ends[kWriteEnd], &number, 1);
    errno = savedErrno;
}

// A signal the parent set to be ignored (nohup does so with SIGHUP) stays ignored.
bool ignoredFromTheStart(int signal)
{
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

void handle(int signal, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls start again rather than fail with EINTR all over Qt.
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}
} // namespace

QuitSignals::QuitSignals(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_ends) != 0)
        return; // without the pair the signals keep their usual effect
    m_notifier = new QSocketNotifier(g_ends[kReadEnd], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::readSignal);
    for (int signal : caught()) {
        if (ignoredFromTheStart(signal))
            m_leftIgnored << signal;
        else
            handle(signal, onQuitSignal);
    }
}

QuitSignals::~QuitSignals()
{
    if (!m_notifier)
        return;
    for (int signal : caught()) {
        if (!m_leftIgnored.contains(signal))
            handle(signal, SIG_DFL);
    }
    ::close(g_ends[kWriteEnd]);
    ::close(g_ends[kReadEnd]);
    g_ends[kWriteEnd] = g_ends[kReadEnd] = -1;
}

QList<int> QuitSignals::caught()
{
    return {SIGTERM, SIGINT, SIGHUP};
}

void QuitSignals::readSignal()
{
    unsigned char number = 0;
    bool any = false;
    int first = 0;
    while (::read(g_ends[kReadEnd], &number, 1) == 1) {
        if (!any)
            first = number;
        any = true;
    }
    if (!any || m_requested)
        return;
    m_requested = true;
    emit sigQuitRequested(first);
}
