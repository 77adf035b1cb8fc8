#pragma once

#include "support/QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>
#include <vector>

// Builds a small library in a temporary folder: the settings file with its category folders
// and field list, category and game folders, and game ini files with the keys a test needs.
// The settings file lies in the library root, as on a first start from the program's folder.
class LibraryBuilder
{
public:
    using Keys = std::vector<std::pair<QString, QString>>;

    LibraryBuilder();

    bool isValid() const { return m_dir.isValid(); }
    // The library root, with a trailing separator.
    QString root() const;
    QString settingsFile() const;
    QString path(const QString &relative) const;

    // The field list shipped with the program.
    static QStringList defaultFields();

    LibraryBuilder &setSubfolders(const QStringList &categories);
    LibraryBuilder &setFields(const QStringList &fields);
    // Further keys of section Main, such as VADPath pointing elsewhere.
    LibraryBuilder &setMainKey(const QString &key, const QString &value);
    // Writes PALLOX.ini; VADPath is the root unless set otherwise.
    void writeSettings() const;

    QString addCategory(const QString &category) const;
    // Creates the game folder with its Pallox/IniFile folder.
    QString addGameFolder(const QString &category, const QString &game) const;
    // Writes a game ini file: section Main with the keys in the given order, CR LF line ends,
    // UTF-8. Creates the folders on the way.
    QString addGameIni(const QString &category, const QString &game, const QString &iniName,
                       const Keys &keys) const;
    // The common case: one game named `name` in its own folder.
    QString addGame(const QString &category, const QString &game, const QString &name,
                    const Keys &extra = {}, const QString &iniName = QStringLiteral("game.ini")) const;
    // Any file below the root with the given bytes; folders are created.
    QString writeFile(const QString &relative, const QByteArray &bytes) const;

    static QByteArray iniBytes(const Keys &keys);

private:
    QTemporaryDir m_dir;
    QStringList m_subfolders;
    QStringList m_fields;
    Keys m_mainKeys;
};
