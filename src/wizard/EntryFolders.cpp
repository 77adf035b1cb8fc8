#include "wizard/EntryFolders.h"

#include "library/LibraryPaths.h"

#include <QDir>
#include <QFileInfo>

QString EntryFolders::proposedIniFile(const QString &metadataFolder) const
{
    const QString folder =
        metadataFolder.isEmpty() ? QString() : LibraryPaths::join(metadataFolder, QStringLiteral("IniFile"));
    return m_lastIniName.isEmpty() ? folder : QDir(folder).filePath(m_lastIniName);
}

void EntryFolders::iniFileChosen(const QString &file)
{
    m_lastIniName = QFileInfo(file).fileName();
    m_lastSaveFolder = QFileInfo(file).absolutePath();
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
