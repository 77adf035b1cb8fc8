#pragma once

#include <QtGlobal>

#if defined(Q_OS_UNIX)

#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <unistd.h>

// Runs `read`, which touches the named pipe `pipe`, on a worker thread and tells whether it
// came back within five seconds. A read that waits for a writer is then let go by opening and
// closing the pipe's write end until it returns, so that the fault fails the test instead of
// hanging the whole test program.
template <typename Read> bool returnsWithoutAWriter(const QString &pipe, Read read)
{
    std::future<void> done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        done.get();
        return true;
    }
    const QByteArray name = QFile::encodeName(pipe);
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
    }
    return false;
}

#endif
