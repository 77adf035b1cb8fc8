#include "wizard/EntryFolders.h"

#include "library/LibraryPaths.h"

#include <QDir>
#include <QFileInfo>

QString EntryFolders::proposedIniFile(const QString &metadataFolder) const
{
    QString folder = m_newGameIniFolder;
    if (folder.isEmpty() && !metadataFolder.isEmpty())
        folder = LibraryPaths::join(metadataFolder, QStringLiteral("IniFile"));
    return m_lastIniName.isEmpty() ? folder : QDir(folder).filePath(m_lastIniName);
}

void EntryFolders::iniFileChosen(const QString &file)
{
    const QFileInfo chosen(file);
    m_lastIniName = chosen.fileName();
    m_lastSaveFolder = chosen.absolutePath();
    if (!m_newGameIniFolder.isEmpty() && QFileInfo(m_newGameIniFolder) != QFileInfo(m_lastSaveFolder))
        m_newGameIniFolder.clear();
    // Whatever goes into it, the blank file is a game's file from now on.
    m_blankIni.clear();
}

void EntryFolders::gameFoldersMade(const QString &iniFile, bool blank)
{
    const QFileInfo made(iniFile);
    m_lastIniName = made.fileName();
    m_lastSaveFolder = m_newGameIniFolder = made.absolutePath();
    m_blankIni = blank ? made.absoluteFilePath() : QString();
}

QString EntryFolders::proposedAboutFile(const QString &aboutName) const
{
    QString folder = m_lastSaveFolder;
    if (QFileInfo(folder).fileName().compare(QLatin1String("IniFile"), Qt::CaseInsensitive) == 0) {
        const QString about = QDir(folder).filePath(QStringLiteral("../About"));
        if (QFileInfo(about).isDir())
            folder = QDir::cleanPath(about);
    }
    return folder.isEmpty() ? aboutName : QDir(folder).filePath(aboutName);
}

void EntryFolders::aboutFileChosen(const QString &file)
{
    m_lastSaveFolder = QFileInfo(file).absolutePath();
}
