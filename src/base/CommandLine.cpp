#include "base/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <functional>

#ifndef PALLOX_VERSION
#error "PALLOX_VERSION comes from the project's version in CMakeLists.txt"
#endif

struct CommandLine::Option
{
    QStringList names;
    QString valueName; // empty for a switch
    QString description; // empty: Qt's own, taken by the application object, not listed
    // Takes the option's value into the command. A failure refuses the whole command line.
    std::function<Result<void>(CommandLine &, const QString &value)> take;
};

const std::vector<CommandLine::Option> &CommandLine::options()
{
    static const std::vector<Option> table = [] {
        std::vector<Option> rows{
            {{QStringLiteral("h"), QStringLiteral("help")}, {}, QStringLiteral("Show this help and exit."),
             [](CommandLine &command, const QString &) {
                 command.m_action = Action::ShowHelp;
                 return Result<void>();
             }},
            {{QStringLiteral("v"), QStringLiteral("version")}, {}, QStringLiteral("Show the version and exit."),
             [](CommandLine &command, const QString &) {
                 if (command.m_action == Action::Run)
                     command.m_action = Action::ShowVersion;
                 return Result<void>();
             }},
            {{QStringLiteral("library")}, QStringLiteral("DIR"),
             QStringLiteral("Read the library in DIR for this run; the settings file keeps its own library "
                            "folder."),
             [](CommandLine &command, const QString &value) -> Result<void> {
                 const QFileInfo folder(value);
                 if (value.isEmpty() || !folder.isDir())
                     return Failure(Failure::Kind::LibraryFolderMissing, value);
                 QString root = QDir::cleanPath(folder.absoluteFilePath());
                 if (!root.endsWith(QLatin1Char('/')))
                     root += QLatin1Char('/');
                 command.m_libraryRoot = root;
                 return {};
             }},
        };
        // Qt's own options, which the application object takes out of the arguments itself;
        // they must not count as unknown here.
        for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                 "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "style", "stylesheet",
                                 "session", "display", "name", "dialogs", "fontengine"})
            rows.push_back({{QString::fromLatin1(name)}, QStringLiteral("value"), {}, {}});
        for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
            rows.push_back({{QString::fromLatin1(name)}, {}, {}, {}});
        return rows;
    }();
    return table;
}

Result<CommandLine> CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform xcb"); ours read either way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option &option : options()) {
        QCommandLineOption parsed(option.names, option.description, option.valueName);
        parser.addOption(parsed);
    }
    // parse(), not process(): that one exits on its own with status 1 and prints where no
    // terminal may be; a refused command line exits with 2 and one line, from the caller.
    if (!parser.parse(arguments))
        return Failure(Failure::Kind::CommandLineRefused, QString(), parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return Failure(Failure::Kind::UnexpectedArgument)
            .with(Failure::Fact::Argument, parser.positionalArguments().constFirst());

    CommandLine command;
    for (const Option &option : options()) {
        if (!option.take || !parser.isSet(option.names.constFirst()))
            continue;
        // The last of an option given twice wins, as in most programs.
        const QString value = option.valueName.isEmpty() ? QString() : parser.values(option.names.constFirst()).constLast();
        if (Result<void> taken = option.take(command, value); !taken)
            return std::move(taken).error();
    }
    return command;
}

QString CommandLine::helpText()
{
    QString text = QStringLiteral("Usage: pallox [options]\n"
                                  "A front-end for a collection of old games and the emulators that run them.\n\n"
                                  "Options:\n");
    QStringList left;
    int width = 0;
    for (const Option &option : options()) {
        if (option.description.isEmpty())
            continue;
        QStringList names;
        for (const QString &name : option.names)
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString shown = names.join(QStringLiteral(", "));
        if (!option.valueName.isEmpty())
            shown += QLatin1Char(' ') + option.valueName;
        left << shown;
        width = std::max(width, int(shown.size()));
    }
    int row = 0;
    for (const Option &option : options()) {
        if (option.description.isEmpty())
            continue;
        text += QStringLiteral("  ") + left[row++].leftJustified(width + 2) + option.description + QLatin1Char('\n');
    }
    return text;
}

QString CommandLine::versionText()
{
    return QStringLiteral("pallox %1\n").arg(QStringLiteral(PALLOX_VERSION));
}
