// SPDX-License-Identifier: MIT
#include "app/UnixSignalPipe.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tessary {

namespace {

volatile sig_atomic_t g_writeFd = -1;

extern "C" void writeSignalNumber(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending request; losing this byte loses nothing.
    [[maybe_unused]] const ssize_t n = ::write(g_writeFd, &byte, 1);
    errno = savedErrno;
}

} // namespace

struct UnixSignalPipe::Previous {
    int signalNumber;
    struct sigaction action;
};

UnixSignalPipe::UnixSignalPipe(std::initializer_list<int> signalNumbers, QObject* parent)
    : QObject(parent)
{
    if (g_writeFd != -1) {
        qWarning("UnixSignalPipe: another instance is installed");
        return;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("UnixSignalPipe: no pipe: %s", strerror(errno));
        return;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    g_writeFd = m_writeFd;
    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalPipe::drain);

    for (const int sig : signalNumbers) {
        struct sigaction action {};
        action.sa_handler = writeSignalNumber;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        Previous previous{sig, {}};
        if (::sigaction(sig, &action, &previous.action) == 0)
            m_previous.push_back(previous);
    }
}

UnixSignalPipe::~UnixSignalPipe()
{
    for (const Previous& p : m_previous)
        ::sigaction(p.signalNumber, &p.action, nullptr);
    if (m_notifier) {
        g_writeFd = -1;
        delete m_notifier;
        ::close(m_readFd);
        ::close(m_writeFd);
    }
}

void UnixSignalPipe::drain()
{
    unsigned char bytes[64];
    for (;;) {
        const ssize_t n = ::read(m_readFd, bytes, sizeof bytes);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            break;
        }
        for (ssize_t i = 0; i < n; ++i)
            emit received(bytes[i]);
    }
}

} // namespace tessary
