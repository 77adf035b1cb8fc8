#pragma once

#include "base/Result.h"

#include <QString>
#include <QStringList>

#include <vector>

// What the command line asks the program to do. It is read before any window system is touched,
// so that --help, --version and a wrong option answer in a terminal without a display.
//
// Every option is a row of one table (CommandLine.cpp): its names, its value, its line of help,
// and what it sets here. An option of a new feature is a new row and a new member.
class CommandLine
{
public:
    enum class Action { Run, ShowHelp, ShowVersion };

    // `arguments` begins with the program's name, as argv does. A failure says, in one line, why
    // the command line was refused.
    static Result<CommandLine> parse(const QStringList &arguments);
    // What --help and --version print, each ending with a line end.
    static QString helpText();
    static QString versionText();

    Action action() const { return m_action; }
    // --library DIR, absolute and with a trailing separator; empty when not given.
    const QString &libraryRoot() const { return m_libraryRoot; }

private:
    struct Option;
    static const std::vector<Option> &options();

    Action m_action = Action::Run;
    QString m_libraryRoot;
};
