#include "gui/app/SignalWaechter.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace rinolux {

namespace {
int g_paar[2] = {-1, -1};

extern "C" void signalBehandeln(int)
{
    const char c = 1;
    // Only async-signal-safe calls here; the UI thread reads the byte.
    [[maybe_unused]] const auto n = ::write(g_paar[0], &c, 1);
}
} // namespace

SignalWaechter::SignalWaechter(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_paar) != 0)
        return;
    m_notifier = new QSocketNotifier(g_paar[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWaechter::lesen);
    struct sigaction sa = {};
    sa.sa_handler = signalBehandeln;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}

SignalWaechter::~SignalWaechter()
{
    struct sigaction sa = {};
    sa.sa_handler = SIG_DFL;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
    for (int &fd : g_paar) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void SignalWaechter::lesen()
{
    char c = 0;
    [[maybe_unused]] const auto n = ::read(g_paar[1], &c, 1);
    Q_EMIT beendenVerlangt();
}

} // namespace rinolux
