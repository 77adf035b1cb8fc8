#include "library/FilePlaces.h"

#include "library/LibraryPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

namespace {

const QString SettingsName = QStringLiteral("PALLOX.ini");

// The XDG rules: a variable that is unset, empty or not an absolute path is ignored, and the
// folder below the home is used instead.
QString xdgFolder(const QString &value, const QString &home, const QString &fallback)
{
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return LibraryPaths::withTrailingSeparator(QDir::cleanPath(value));
    return LibraryPaths::withTrailingSeparator(QDir::cleanPath(home + QLatin1Char('/') + fallback));
}

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Whether `path` is `folder` or lies below it, written either way and through links either way.
bool isAtOrBelow(const QString &path, const QString &folder)
{
    auto below = [](const QString &p, const QString &f) {
        return !p.isEmpty() && !f.isEmpty() && (p == f || p.startsWith(LibraryPaths::withTrailingSeparator(f)));
    };
    if (below(cleanFolder(path), cleanFolder(folder)))
        return true;
    return below(QFileInfo(path).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
}

// Asked by making a file, which is the only answer a share, a read-only mount or root's rights
// over other users' folders all give truthfully. The probe goes again at once.
bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(LibraryPaths::withTrailingSeparator(folder) + QStringLiteral(".DataCache-XXXXXX"));
    return probe.open();
}

// "/media/share/Games Library/" gives "media_share_Games_Library-<16 hex digits>-DataCache.txt":
// readable enough to find by eye, and unique through the digest of the exact path.
QString cacheNameFor(const QString &root)
{
    const QString clean = cleanFolder(root);
    QString readable;
    for (const QChar c : clean) {
        if (c.isLetterOrNumber() || c == u'.' || c == u'-')
            readable += c;
        else if (!readable.isEmpty() && !readable.endsWith(u'_'))
            readable += u'_';
    }
    while (readable.endsWith(u'_'))
        readable.chop(1);
    readable = readable.right(80);
    const QByteArray digest = QCryptographicHash::hash(clean.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return readable + u'-' + QString::fromLatin1(digest) + QStringLiteral("-DataCache.txt");
}

} // namespace

FilePlaces::Environment FilePlaces::Environment::ofProcess()
{
    Environment environment;
    environment.home = QDir::homePath();
    environment.configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    environment.cacheHome = qEnvironmentVariable("XDG_CACHE_HOME");
    return environment;
}

FilePlaces::FilePlaces(const QString &programFolder)
    : m_programFolder(LibraryPaths::withTrailingSeparator(programFolder)),
      m_settingsFile(m_programFolder + SettingsName), m_dataFolder(m_programFolder)
{
}

FilePlaces FilePlaces::forProgramIn(const QString &programFolder, const Environment &environment)
{
    FilePlaces places(programFolder);
    places.m_cacheFolder = xdgFolder(environment.cacheHome, environment.home, QStringLiteral(".cache")) + QStringLiteral("pallox/");

    // Packages put games into <prefix>/games; other installs may use <prefix>/bin. A PALLOX.ini
    // beside the program always makes a portable copy of it, wherever it lies.
    const QString folderName = QDir(programFolder).dirName();
    const QString dataFolder =
        LibraryPaths::withTrailingSeparator(QDir::cleanPath(programFolder + QStringLiteral("/../share/pallox")));
    const bool installed = (folderName == QLatin1String("games") || folderName == QLatin1String("bin"))
                           && QFileInfo(dataFolder + SettingsName).isFile()
                           && !QFileInfo::exists(places.m_settingsFile);
    if (!installed)
        return places;

    places.m_installed = true;
    places.m_dataFolder = dataFolder;
    places.m_defaultSettingsFile = dataFolder + SettingsName;
    places.m_settingsFile =
        xdgFolder(environment.configHome, environment.home, QStringLiteral(".config")) + QStringLiteral("pallox/") + SettingsName;
    return places;
}

QString FilePlaces::skinsFolder() const
{
    return m_dataFolder + QStringLiteral("Skins");
}

FilePlaces FilePlaces::withLibraryRootForRun(const QString &root) const
{
    FilePlaces places = *this;
    places.m_libraryRootForRun = root.isEmpty() ? QString() : LibraryPaths::withTrailingSeparator(root);
    return places;
}

Result<void> FilePlaces::makeSettingsFile() const
{
    if (!m_installed || QFileInfo::exists(m_settingsFile))
        return {};
    const QString folder = QFileInfo(m_settingsFile).absolutePath();
    if (!QDir().mkpath(folder))
        return Failure(Failure::Kind::SettingsNotKept, folder, QString::fromLocal8Bit(std::strerror(errno)));

    // A default that cannot be read leaves the file to the first write, which starts it empty.
    QFile source(m_defaultSettingsFile);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = source.readAll();
    QSaveFile copy(m_settingsFile);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.commit())
        return Failure(Failure::Kind::SettingsNotKept, m_settingsFile, copy.errorString());
    return {};
}

FilePlaces::DataCache FilePlaces::dataCache(const QString &libraryRoot) const
{
    if (m_cacheFolder.isEmpty())
        return DataCache{LibraryPaths::dataCacheFile(libraryRoot), false};
    const bool neverWritten = m_installed && isAtOrBelow(libraryRoot, m_dataFolder);
    if (!neverWritten && canCreateFilesIn(libraryRoot))
        return DataCache{LibraryPaths::dataCacheFile(libraryRoot), false};
    return DataCache{m_cacheFolder + cacheNameFor(libraryRoot), true};
}
