#pragma once

#include "platform/Shell.h"

#include <QString>

#include <vector>

// Remembers what it was asked to start instead of starting it.
class FakeShell : public Shell
{
public:
    struct Call
    {
        QString verb;
        QString program;
        QString parameters;
        QString workingFolder;
    };

    void execute(const QString &verb, const QString &program, const QString &parameters,
                 const QString &workingFolder) override
    {
        calls.push_back(Call{verb, program, parameters, workingFolder});
    }

    std::vector<Call> calls;
};
