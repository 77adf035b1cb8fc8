#pragma once

#include <QString>

// Starts programs and opens documents, folders and web addresses the way the desktop does.
// Nothing here waits for the started program or looks at what it does.
class Shell
{
public:
    virtual ~Shell() = default;

    // `program` may be enclosed in double quotes. `parameters` is one command-line text that
    // is split by the Windows convention; an empty `workingFolder` means our own current folder.
    // An empty verb and "open" mean the same.
    virtual void execute(const QString &verb, const QString &program, const QString &parameters,
                         const QString &workingFolder) = 0;
};
