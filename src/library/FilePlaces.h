#pragma once

#include "base/Result.h"

#include <QString>

// Where Pallox keeps its files, decided here and nowhere else.
//
// A portable copy (the program built in the source tree, or put into any folder) keeps its
// settings, skins and sample library beside itself. The program a package installs as
// <prefix>/games/pallox, with its data in <prefix>/share/pallox/, keeps the user's settings in
// the XDG configuration folder, reads skins and the sample library from the data folder, and
// writes nothing below the prefix. Which of the two a program is follows from where it lies, never
// from whether it may write there: root may write anywhere, and an installed program must still
// leave the prefix alone.
class FilePlaces
{
public:
    // The variables the XDG base directory rules read; a relative or empty value counts as unset.
    struct Environment
    {
        QString home;
        QString configHome;
        QString cacheHome;

        static Environment ofProcess();
    };

    // The place a data cache has for a library root.
    struct DataCache
    {
        QString file;
        // In the user's cache folder rather than at the root: a speed-up the XDG rules let vanish
        // at any time, so failing to keep it there is not worth a word to the user.
        bool inUserCache = false;
    };

    FilePlaces() = default;
    // A program in this folder with everything beside it, and no cache folder of the user's: what
    // a folder given alone means. Implicit for that reason.
    FilePlaces(const QString &programFolder);
    // The places of the program in this folder, as it was installed or copied there.
    static FilePlaces forProgramIn(const QString &programFolder, const Environment &environment);

    // With a trailing separator.
    const QString &programFolder() const { return m_programFolder; }
    // The settings file of this user, or of this copy.
    const QString &settingsFile() const { return m_settingsFile; }
    // What an installed program's first start copies to settingsFile(); empty for a portable one.
    const QString &defaultSettingsFile() const { return m_defaultSettingsFile; }
    // Without a trailing separator.
    QString skinsFolder() const;
    // The library root while the settings file names none: the folder of the sample library and
    // the skins, with a trailing separator.
    const QString &defaultLibraryRoot() const { return m_dataFolder; }

    // A root given for this run alone (the command line's); empty when the settings file's holds.
    const QString &libraryRootForRun() const { return m_libraryRootForRun; }
    FilePlaces withLibraryRootForRun(const QString &root) const;

    // An installed program makes the user's settings file from the installed default when there
    // is none yet. The failure says why the settings cannot be kept.
    Result<void> makeSettingsFile() const;

    // At the root when the root can be written and is not the installed data folder; otherwise
    // in the user's cache folder, in a file named after the root. A portable copy made from a
    // folder alone has no such folder and keeps the cache at the root whatever happens.
    DataCache dataCache(const QString &libraryRoot) const;

private:
    bool m_installed = false;
    QString m_programFolder;
    QString m_settingsFile;
    QString m_defaultSettingsFile;
    QString m_dataFolder;
    QString m_cacheFolder; // with a trailing separator; empty: none
    QString m_libraryRootForRun;
};
