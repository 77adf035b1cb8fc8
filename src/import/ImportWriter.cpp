#include "import/ImportWriter.h"

#include "base/IniFile.h"
#include "import/ImportFiles.h"
#include "library/LibraryPaths.h"
#include "wizard/EntryWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <utility>

namespace {

const QString &metadataName()
{
    static const QString name = QStringLiteral("Pallox");
    return name;
}

QString joined(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

Result<void> writeNew(const QString &path, const QByteArray &bytes)
{
    // The file is new, in a folder nobody else knows of yet; the game becomes visible only with
    // the rename of its folder, so it needs no replacement of its own.
    QFile file(path);
    if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return Failure(Failure::Kind::UnableToWrite, path, file.errorString());
    return {};
}

QByteArray aboutBytes(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return (text + QStringLiteral("\r\n")).toUtf8();
}

// The game's own files: what its folder holds (but a metadata folder of its own, which the new
// game folder has already) and the files named one by one.
QStringList ownFiles(const ImportGame &game)
{
    QStringList sources;
    if (!game.filesFolder.isEmpty()) {
        const QFileInfoList entries = QDir(game.filesFolder)
                                          .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                             QDir::NoDotAndDotDot,
                                                         QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo &entry : entries) {
            if (entry.fileName().compare(metadataName(), Qt::CaseInsensitive) != 0)
                sources << entry.absoluteFilePath();
        }
    }
    for (const QString &file : game.files) {
        if (!sources.contains(file))
            sources << file;
    }
    return sources;
}

// A name for a file in a folder that does not clash with what is there: "2 manual.pdf" after
// "manual.pdf".
QString freeName(const QString &folder, const QString &name)
{
    QString candidate = name;
    for (int n = 2; ImportFiles::nameTaken(joined(folder, candidate)); ++n)
        candidate = QStringLiteral("%1 %2").arg(n).arg(name);
    return candidate;
}

} // namespace

QString ImportTarget::categoryFolder() const
{
    return LibraryPaths::join(LibraryPaths::gamesFolder(libraryRoot), category);
}

ImportWriter::ImportWriter(ImportTarget target) : m_target(std::move(target)) {}

ImportWriter::~ImportWriter()
{
    if (!m_work.isEmpty())
        QDir().rmdir(m_work);
}

QString ImportWriter::iniFileName(const QString &folderName)
{
    return folderName + QStringLiteral(".ini");
}

QString ImportWriter::aboutFileName(const QString &folderName)
{
    return folderName + QStringLiteral(".txt");
}

Result<void> ImportWriter::begin()
{
    if (!m_work.isEmpty())
        return {};
    const QString category = m_target.categoryFolder();
    if (!QDir().mkpath(category))
        return Failure(Failure::Kind::FolderNotCreated, category);
    // Beside the games, so that the rename into place never crosses a disk; hidden, so that a
    // scan running meanwhile lists none of it.
    const QString work = joined(category, QStringLiteral(".pallox-import-") +
                                              QUuid::createUuid().toString(QUuid::Id128).left(12));
    if (!QDir().mkdir(work))
        return Failure(Failure::Kind::FolderNotCreated, work);
    m_work = work;
    return {};
}

Result<void> ImportWriter::placeOwnFiles(const ImportGame &game, const QString &folder)
{
    for (const QString &source : ownFiles(game)) {
        const QString destination = joined(folder, QFileInfo(source).fileName());
        // The first of two files of one name wins; the game's own folder never holds two.
        if (ImportFiles::nameTaken(destination))
            continue;
        Result<void> placed = m_target.mode == FileMode::Link ? ImportFiles::link(source, destination)
                                                              : ImportFiles::copy(source, destination);
        if (!placed)
            return placed;
    }
    return {};
}

Result<void> ImportWriter::fill(const ImportGame &game, const QString &folder, const QString &folderName)
{
    using Kind = Failure::Kind;
    EntryWriter::createMetadataFolders(folder);
    const QString metadata = joined(folder, metadataName());
    if (!QFileInfo(joined(metadata, QStringLiteral("IniFile"))).isDir())
        return Failure(Kind::FolderNotCreated, metadata);

    GameEntry entry = game.entry;
    for (int kind = 0; kind < PictureKindCount; ++kind) {
        const QString &source = game.pictures[size_t(kind)];
        if (!LibraryPaths::isRegularFile(source))
            continue;
        const PictureKindInfo &info = pictureKindInfo(PictureKind(kind));
        const QString name = QFileInfo(source).fileName();
        if (Result<void> copied = ImportFiles::copy(source, joined(joined(metadata, QLatin1String(info.subfolder)), name));
            !copied)
            return copied;
        entry[info.field] = name;
    }
    if (LibraryPaths::isRegularFile(game.manual)) {
        const QString name = QFileInfo(game.manual).fileName();
        if (Result<void> copied = ImportFiles::copy(game.manual, joined(joined(metadata, QStringLiteral("Manual")), name));
            !copied)
            return copied;
        entry[EntryField::Manual] = name;
    }
    if (!game.notes.trimmed().isEmpty()) {
        const QString name = aboutFileName(folderName);
        if (Result<void> written = writeNew(joined(joined(metadata, QStringLiteral("About")), name), aboutBytes(game.notes));
            !written)
            return written;
        entry[EntryField::About] = name;
    }

    const QString extras = joined(metadata, QStringLiteral("Extras"));
    for (size_t n = 0; n < game.extras.size() && n < 7; ++n) {
        const ImportExtra &extra = game.extras[n];
        const auto caption = EntryField(int(EntryField::Extra1) + 2 * int(n));
        const auto link = EntryField(int(caption) + 1);
        entry[caption] = extra.caption;
        if (!extra.isFile) {
            entry[link] = extra.target;
            continue;
        }
        const QString name = freeName(extras, QFileInfo(extra.target).fileName());
        const QString destination = joined(extras, name);
        Result<void> placed = m_target.mode == FileMode::Link ? ImportFiles::link(extra.target, destination)
                                                              : ImportFiles::copy(extra.target, destination);
        if (!placed)
            return placed;
        entry[link] = name;
    }

    if (m_target.mode != FileMode::Move) {
        if (Result<void> placed = placeOwnFiles(game, folder); !placed)
            return placed;
    }

    std::vector<IniFile::Edit> edits;
    const QString section = QStringLiteral("Main");
    for (auto &[key, value] : EntryWriter::gameKeys(entry))
        edits.push_back({section, key, value});
    edits.push_back({section, QStringLiteral("ImportedFrom"), storableValue(game.sourceKey)});
    if (game.favorite)
        edits.push_back({section, QStringLiteral("Favorite"), QStringLiteral("1")});
    // A new file is UTF-8, which holds every text; the check stays for the day that changes.
    const Result<QByteArray> lines = IniFile::withValues(QByteArray(), edits);
    if (!lines)
        return lines.error();
    return writeNew(joined(joined(metadata, QStringLiteral("IniFile")), iniFileName(folderName)), *lines);
}

Result<ImportWriter::Made> ImportWriter::write(const ImportGame &game, const QString &folderName)
{
    if (m_work.isEmpty())
        return Failure(Failure::Kind::FolderNotCreated, m_target.categoryFolder());
    const QString folder = joined(m_work, folderName);
    if (!QDir().mkdir(folder))
        return Failure(Failure::Kind::FolderNotCreated, folder);

    // What a move has taken from the source, to be put back should the game not be made.
    struct Taken
    {
        QString source, destination;
        ImportFiles::Moved how;
    };
    std::vector<Taken> taken;
    // The failure to report, with the moved files put back first. Only once nothing of the user's
    // is left in the folder is it removed: copies and links are ours.
    const auto undo = [&](Failure failure) {
        bool restored = true;
        for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
            if (it->how == ImportFiles::Moved::Renamed)
                restored = ImportFiles::renameNoReplace(it->destination, it->source).has_value() && restored;
        }
        if (!restored)
            return Failure(Failure::Kind::ImportMovedFilesKept, folder).withCause(std::move(failure));
        QDir(folder).removeRecursively();
        return failure;
    };

    Result<void> filled = fill(game, folder, folderName);
    if (filled && m_target.mode == FileMode::Move) {
        for (const QString &source : ownFiles(game)) {
            const QString destination = joined(folder, QFileInfo(source).fileName());
            if (ImportFiles::nameTaken(destination))
                continue;
            Result<ImportFiles::Moved> moved = ImportFiles::move(source, destination);
            if (!moved) {
                filled = std::move(moved).error();
                break;
            }
            taken.push_back({source, destination, *moved});
        }
    }
    if (!filled)
        return undo(std::move(filled).error());

    const QString category = m_target.categoryFolder();
    QString name = folderName;
    for (int n = 2;; ++n) {
        bool nameIsTaken = false;
        Result<void> renamed = ImportFiles::renameNoReplace(folder, joined(category, name), &nameIsTaken);
        if (renamed)
            break;
        if (!nameIsTaken || n > 9999)
            return undo(std::move(renamed).error());
        name = QStringLiteral("%1 (%2)").arg(folderName).arg(n);
    }

    Made made{joined(category, name), {}};
    for (const Taken &moved : taken) {
        if (moved.how == ImportFiles::Moved::Copied) {
            if (Result<void> removed = ImportFiles::removeOriginal(moved.source); !removed)
                made.notes.push_back(std::move(removed).error());
        }
    }
    return made;
}
