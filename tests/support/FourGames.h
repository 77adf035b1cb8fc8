#pragma once

#include "support/LibraryBuilder.h"

// The small library the session's model tests share: two categories, four records of three
// names (Comet on Amiga and DOS), each started by DOSBox with an executable named after its
// platform and folder, and DOSBox's path in the settings file.
inline void addFourGames(LibraryBuilder &lib)
{
    lib.setSubfolders({QStringLiteral("Action"), QStringLiteral("Puzzle")});
    const auto add = [&lib](const char *category, const char *folder, const char *name, const char *year,
                            const char *developer, const char *platform) {
        const QString folderName = QString::fromLatin1(folder);
        lib.addGame(QString::fromLatin1(category), folderName, QString::fromLatin1(name),
                    {{QStringLiteral("Year"), QString::fromLatin1(year)},
                     {QStringLiteral("Developer"), QString::fromLatin1(developer)},
                     {QStringLiteral("Platform"), QString::fromLatin1(platform)},
                     {QStringLiteral("Emulator"), QStringLiteral("DOSBox")},
                     {QStringLiteral("Executable"), QString::fromLatin1(platform).toLower() + QLatin1Char('-') +
                                                        folderName.toLower() + QStringLiteral(".exe")}});
    };
    add("Action", "Blaster", "Blaster", "1991", "Zenith", "DOS");
    add("Action", "Comet", "Comet", "1987", "Aurora", "Amiga");
    add("Puzzle", "Aztec", "Aztec Tiles", "1993", "Zenith", "DOS");
    add("Puzzle", "Comet", "Comet", "1989", "Aurora", "DOS");
    lib.setMainKey(QStringLiteral("DOSBoxPath"), QStringLiteral("/usr/bin/dosbox"));
    lib.writeSettings();
}
