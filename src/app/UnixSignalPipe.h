// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <initializer_list>
#include <vector>

class QSocketNotifier;

namespace tessary {

// Delivers process signals (SIGTERM, SIGINT, ...) as a Qt signal in the user-interface
// thread. The handler itself only writes the signal's number into a pipe, which is all a
// signal handler may safely do; a socket notifier on the pipe's other end hands it to the
// event loop. One instance at a time; destroying it restores the previous handlers.
class UnixSignalPipe : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalPipe(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~UnixSignalPipe() override;

    bool isInstalled() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void drain();

    int m_readFd = -1;
    int m_writeFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    struct Previous;
    std::vector<Previous> m_previous;
};

} // namespace tessary
