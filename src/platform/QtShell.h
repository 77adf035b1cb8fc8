#pragma once

#include "base/Failure.h"
#include "platform/Shell.h"

#include <QString>

#include <functional>

class QUrl;

// Starts programs without a command interpreter and hands everything else (documents,
// folders, web addresses) to the desktop's default handler. A program is a file with the
// execute bit that the system can run: an ELF binary or a script beginning with "#!".
class QtShell : public Shell
{
public:
    // Told when something could not be started at all.
    using FailureReporter = std::function<void(const Failure &)>;

    explicit QtShell(FailureReporter reportFailure);

    void execute(const QString &verb, const QString &program, const QString &parameters,
                 const QString &workingFolder) override;

private:
    void openWithDesktop(const QString &target, const QUrl &url) const;
    void report(const Failure &failure) const;

    FailureReporter m_reportFailure;
};
