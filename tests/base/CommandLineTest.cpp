#include "base/CommandLine.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Result<CommandLine> parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("pallox"));
    return CommandLine::parse(arguments);
}

TEST(CommandLine, WithoutOptionsTheProgramRunsOnTheSettingsFilesLibrary)
{
    const Result<CommandLine> command = parse({});
    ASSERT_TRUE(command);
    EXPECT_EQ(command->action(), CommandLine::Action::Run);
    EXPECT_TRUE(command->libraryRoot().isEmpty());
}

TEST(CommandLine, HelpAndVersionAnswerWithoutRunningAndHelpWins)
{
    for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h")})
        EXPECT_EQ(parse({option})->action(), CommandLine::Action::ShowHelp) << option.toStdString();
    for (const QString &option : {QStringLiteral("--version"), QStringLiteral("-v")})
        EXPECT_EQ(parse({option})->action(), CommandLine::Action::ShowVersion) << option.toStdString();
    EXPECT_EQ(parse({QStringLiteral("--version"), QStringLiteral("--help")})->action(), CommandLine::Action::ShowHelp);

    const QString help = CommandLine::helpText();
    for (const char *shown : {"-h, --help", "-v, --version", "--library DIR"})
        EXPECT_TRUE(help.contains(QLatin1String(shown))) << shown << "\n" << help.toStdString();
    EXPECT_FALSE(help.contains(QLatin1String("platform"))) << "Qt's own options are Qt's to tell";
    EXPECT_TRUE(CommandLine::versionText().startsWith(QLatin1String("pallox ")));
}

TEST(CommandLine, TheLibraryIsAFolderThatExistsTakenAbsoluteWithASeparator)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("My Games")));
    const QString expected = dir.path() + QStringLiteral("/My Games/");
    const QString given = dir.path() + QStringLiteral("/My Games");
    for (const QStringList &arguments : {QStringList{QStringLiteral("--library"), given},
                                         QStringList{QStringLiteral("--library=") + given},
                                         QStringList{QStringLiteral("-library"), given + QLatin1Char('/')}}) {
        const Result<CommandLine> command = parse(arguments);
        ASSERT_TRUE(command) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(command->action(), CommandLine::Action::Run);
        EXPECT_EQ(command->libraryRoot(), expected);
    }

    // Relative to where the program was started, as a shell user means it.
    const QString current = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const Result<CommandLine> relative = parse({QStringLiteral("--library"), QStringLiteral("My Games")});
    QDir::setCurrent(current);
    ASSERT_TRUE(relative);
    EXPECT_EQ(relative->libraryRoot(), expected);
}

TEST(CommandLine, WhatCannotBeDoneIsRefusedInOneLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.path() + QStringLiteral("/PALLOX.ini");
    QFile(file).open(QIODevice::WriteOnly);
    struct Refused
    {
        QStringList arguments;
        Failure::Kind kind;
    };
    for (const Refused &refused : {
             Refused{{QStringLiteral("--frobnicate")}, Failure::Kind::CommandLineRefused},
             Refused{{QStringLiteral("--library")}, Failure::Kind::CommandLineRefused},
             Refused{{QStringLiteral("--help=yes")}, Failure::Kind::CommandLineRefused},
             Refused{{QStringLiteral("Games")}, Failure::Kind::UnexpectedArgument},
             Refused{{QStringLiteral("--library"), dir.path() + QStringLiteral("/gone")},
                     Failure::Kind::LibraryFolderMissing},
             Refused{{QStringLiteral("--library"), file}, Failure::Kind::LibraryFolderMissing},
             Refused{{QStringLiteral("--library"), QString()}, Failure::Kind::LibraryFolderMissing},
         }) {
        const Result<CommandLine> command = parse(refused.arguments);
        const QString shown = refused.arguments.join(QLatin1Char(' '));
        ASSERT_FALSE(command) << shown.toStdString();
        EXPECT_EQ(command.error().kind(), refused.kind) << shown.toStdString();
        EXPECT_FALSE(command.error().message().contains(QLatin1Char('\n'))) << shown.toStdString();
    }
    EXPECT_EQ(parse({QStringLiteral("--frobnicate")}).error().message(),
              QStringLiteral("Unknown option 'frobnicate'. See pallox --help."));
}

TEST(CommandLine, QtsOwnOptionsAreLeftToQt)
{
    const Result<CommandLine> command =
        parse({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-reverse"),
               QStringLiteral("-style=Fusion")});
    ASSERT_TRUE(command) << command.error().message().toStdString();
    EXPECT_EQ(command->action(), CommandLine::Action::Run);
}

} // namespace
