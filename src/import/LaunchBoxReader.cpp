#include "import/LaunchBoxReader.h"

#include "import/ImportEmulators.h"
#include "import/ImportText.h"
#include "import/ImportXml.h"
#include "import/LaunchBoxImages.h"
#include "import/SourcePaths.h"
#include "library/LibraryPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <memory>

namespace {

using ImportXml::text;

struct DataFile
{
    QString path;
    std::unique_ptr<pugi::xml_document> document;
};

// One Game element with the paths its record names, found on disk.
struct GameRecord
{
    pugi::xml_node node;
    QString sourceFile;
    QString application; // found, or empty
    QString rootFolder;  // found folder, or empty
    QString scummFolder; // found folder, or empty
};

bool isTrue(const QString &value)
{
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QStringList splitAtSemicolons(const QString &value)
{
    QStringList parts = value.split(QLatin1Char(';'));
    for (QString &part : parts)
        part = part.trimmed();
    return parts;
}

QString normalisedText(const QString &written)
{
    return QDir::cleanPath(QString(written).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

bool isWebAddress(const QString &target)
{
    return target.startsWith(QLatin1String("http"), Qt::CaseInsensitive) ||
           target.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

QString lineNotes(QString notes)
{
    notes.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    notes.replace(u'\r', u'\n');
    return notes;
}

QString nativeRelative(const QString &relative)
{
    return QDir::toNativeSeparators(relative);
}

// The LaunchBox folder's Data folder, in whatever letter case; empty when there is none.
QString dataFolderOf(SourcePaths &paths, const QString &folder)
{
    return paths.child(folder, QStringLiteral("Data"));
}

QStringList dataFilesOf(SourcePaths &paths, const QString &folder)
{
    QStringList files;
    const QString data = dataFolderOf(paths, folder);
    if (data.isEmpty())
        return files;
    if (const QString main = paths.child(data, QStringLiteral("LaunchBox.xml")); LibraryPaths::isRegularFile(main))
        files << main;
    if (const QString platforms = paths.child(data, QStringLiteral("Platforms")); !platforms.isEmpty()) {
        for (const QString &name : paths.entries(platforms)) {
            const QString file = platforms + QLatin1Char('/') + name;
            if (name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive) && LibraryPaths::isRegularFile(file))
                files << file;
        }
    }
    return files;
}

void addEmulatorTitles(const pugi::xml_node &root, QHash<QString, QString> &titles)
{
    for (pugi::xml_node emulator = root.child("Emulator"); emulator; emulator = emulator.next_sibling("Emulator"))
        titles.insert(text(emulator, "ID").toLower(), text(emulator, "Title"));
}

// Builds the games of the records once every record's paths are known.
class GameMaker
{
public:
    GameMaker(SourcePaths &paths, LaunchBoxImages &images, const QHash<QString, QString> &emulators,
              const QHash<QString, int> &folderUse, const QHash<QString, std::vector<pugi::xml_node>> &extras)
        : m_paths(paths), m_images(images), m_emulators(emulators), m_folderUse(folderUse), m_extras(extras)
    {
    }

    ImportGame make(const GameRecord &record);

private:
    void placeFiles(const GameRecord &record, ImportGame &game);
    // A file the record names besides the program: its path in the game folder, placing it there
    // when it is not among the game's files already.
    QString placeBeside(ImportGame &game, const QString &file);
    void addExtras(const QString &id, ImportGame &game);

    SourcePaths &m_paths;
    LaunchBoxImages &m_images;
    const QHash<QString, QString> &m_emulators;
    const QHash<QString, int> &m_folderUse;
    const QHash<QString, std::vector<pugi::xml_node>> &m_extras;
};

QString GameMaker::placeBeside(ImportGame &game, const QString &file)
{
    if (const QString inside = ImportText::relativePath(game.filesFolder, file); !inside.isEmpty())
        return nativeRelative(inside);
    if (!game.files.contains(file))
        game.files << file;
    return QFileInfo(file).fileName();
}

void GameMaker::placeFiles(const GameRecord &record, ImportGame &game)
{
    using Kind = Failure::Kind;
    GameEntry &entry = game.entry;
    const pugi::xml_node node = record.node;
    const QString writtenApplication = text(node, "ApplicationPath").trimmed();
    const QString &application = record.application;

    if (!record.scummFolder.isEmpty() && isTrue(text(node, "UseScummVM")))
        game.filesFolder = record.scummFolder;
    else if (!record.rootFolder.isEmpty())
        game.filesFolder = record.rootFolder;
    else if (!application.isEmpty() && QFileInfo(application).isDir())
        game.filesFolder = application;
    else if (!application.isEmpty()) {
        // A folder of its own holds a game; a folder that many records point into is a shelf of
        // disk images, of which this game gets its file alone.
        const QString folder = QFileInfo(application).path();
        if (m_folderUse.value(folder) == 1 && QDir::cleanPath(folder) != m_paths.base())
            game.filesFolder = folder;
    }

    if (!application.isEmpty() && !QFileInfo(application).isDir()) {
        const QString placed = placeBeside(game, application);
        if (application.endsWith(QLatin1String(".conf"), Qt::CaseInsensitive))
            entry[EntryField::DBScumm] = placed;
        else
            entry[EntryField::Executable] = placed;
    } else if (application.isEmpty()) {
        if (writtenApplication.isEmpty()) {
            game.problems.emplace_back(Kind::ImportNoProgramGiven);
        } else {
            game.problems.emplace_back(Kind::ImportProgramMissing, writtenApplication);
            // The record still says which program it is, for when its files turn up.
            const QString relative = ImportText::relativePath(normalisedText(text(node, "RootFolder")),
                                                             normalisedText(writtenApplication));
            entry[EntryField::Executable] = nativeRelative(
                relative.isEmpty() ? QFileInfo(normalisedText(writtenApplication)).fileName() : relative);
        }
    }

    if (const QString written = text(node, "DosBoxConfigurationPath"); !written.trimmed().isEmpty()) {
        if (const QString conf = m_paths.find(written); LibraryPaths::isRegularFile(conf))
            entry[EntryField::DBScumm] = placeBeside(game, conf);
        else
            game.problems.emplace_back(Kind::ImportFileMissing, written.trimmed());
    }
    if (const QString written = text(node, "ConfigurationPath"); !written.trimmed().isEmpty()) {
        if (const QString setup = m_paths.find(written); LibraryPaths::isRegularFile(setup))
            entry[EntryField::Setup] = placeBeside(game, setup);
    }
    if (entry[EntryField::Emulator] == QLatin1String("ScummVM") && entry[EntryField::DBScumm].isEmpty()) {
        QString id = text(node, "ScummVMGameType").trimmed();
        if (id.isEmpty()) {
            // "-p <folder> <id>": the last word that is no option.
            const QStringList words = text(node, "CommandLine").split(u' ', Qt::SkipEmptyParts);
            if (!words.isEmpty() && !words.last().startsWith(u'-') && !words.last().contains(u'\\'))
                id = words.last();
        }
        entry[EntryField::DBScumm] = id;
    }
    if (entry[EntryField::DBScumm].isEmpty()) {
        const QStringList words = text(node, "CommandLine").split(u' ', Qt::SkipEmptyParts);
        const qsizetype conf = words.indexOf(QStringLiteral("-conf"));
        if (conf >= 0 && conf + 1 < words.size())
            entry[EntryField::DBScumm] = QString(words[conf + 1]).remove(u'"');
    }
}

void GameMaker::addExtras(const QString &id, ImportGame &game)
{
    for (const pugi::xml_node &node : m_extras.value(id.toLower())) {
        const QString name = text(node, "Name").trimmed();
        const QString written = text(node, "ApplicationPath").trimmed();
        if (written.isEmpty())
            continue;
        const bool web = isWebAddress(written);
        const QString found = web ? QString() : m_paths.find(written);
        if (ImportText::saysSetup(name) && game.entry[EntryField::Setup].isEmpty() &&
            LibraryPaths::isRegularFile(found)) {
            game.entry[EntryField::Setup] = placeBeside(game, found);
            continue;
        }
        if (game.extras.size() >= 7) {
            game.problems.emplace_back(Failure::Kind::ImportTooManyExtras, name);
            continue;
        }
        if (web)
            game.extras.push_back({name, written, false});
        else if (LibraryPaths::isRegularFile(found))
            game.extras.push_back({name, found, true});
        else if (!found.isEmpty())
            game.extras.push_back({name, found, false});
        else
            game.problems.emplace_back(Failure::Kind::ImportFileMissing, written);
    }
}

ImportGame GameMaker::make(const GameRecord &record)
{
    using Kind = Failure::Kind;
    const pugi::xml_node node = record.node;
    ImportGame game;
    GameEntry &entry = game.entry;
    const QString id = text(node, "ID").trimmed();
    const QString title = text(node, "Title");
    const QString platform = text(node, "Platform").trimmed();
    // LaunchBox's IDs stay with a game when its disk is mounted elsewhere; a record without one is
    // known by its file, title and platform.
    game.sourceKey = id.isEmpty() ? QStringLiteral("LaunchBox %1|%2|%3").arg(record.sourceFile, title, platform)
                                  : QStringLiteral("LaunchBox ") + id;

    entry[EntryField::Name] = ImportText::cleanName(title);
    if (entry[EntryField::Name].isEmpty()) {
        game.importable = false;
        game.problems.emplace_back(Kind::ImportNoTitle);
    }
    QString year = ImportText::yearOf(text(node, "ReleaseDate"));
    if (year.isEmpty())
        year = ImportText::yearOf(text(node, "ReleaseYear"));
    entry[EntryField::Year] = year;
    entry[EntryField::Developer] = text(node, "Developer").trimmed();
    entry[EntryField::Publisher] = text(node, "Publisher").trimmed();
    entry[EntryField::Platform] = platform;
    const QStringList series = splitAtSemicolons(text(node, "Series"));
    entry[EntryField::Series] = series.value(0);
    entry[EntryField::Series2] = series.value(1);
    const QStringList genres = splitAtSemicolons(text(node, "Genre"));
    entry[EntryField::Genre] = genres.value(0);
    entry[EntryField::SubGenre] = genres.value(1);
    entry[EntryField::SubGenre2] = genres.value(2);
    entry[EntryField::Rating] = ImportText::stars(text(node, "StarRating").trimmed().toInt());
    entry[EntryField::Emulator] =
        ImportEmulators::forLaunchBox(m_emulators.value(text(node, "Emulator").trimmed().toLower()),
                                      isTrue(text(node, "UseDosBox")), isTrue(text(node, "UseScummVM")), platform);
    game.favorite = isTrue(text(node, "Favorite"));
    game.notes = lineNotes(text(node, "Notes"));

    placeFiles(record, game);
    if (const QString written = text(node, "ManualPath").trimmed(); !written.isEmpty()) {
        game.manual = m_paths.find(written);
        if (!LibraryPaths::isRegularFile(game.manual)) {
            game.manual.clear();
            game.problems.emplace_back(Kind::ImportManualMissing, written);
        }
    }
    game.pictures = m_images.find(title, platform, id);
    addExtras(id, game);
    return game;
}

Result<std::vector<DataFile>> loadDataFiles(const QStringList &files)
{
    std::vector<DataFile> loaded;
    for (const QString &file : files) {
        auto document = ImportXml::load(file, "LaunchBox", QStringLiteral("a LaunchBox data file"));
        if (!document)
            return std::move(document).error();
        loaded.push_back({file, std::move(*document)});
    }
    return loaded;
}

} // namespace

namespace LaunchBoxReader {

QString launchBoxFolder(const QString &dataFile)
{
    const QFileInfo info(QFileInfo(dataFile).absoluteFilePath());
    const QDir folder = info.dir();
    const QString name = folder.dirName();
    if (name.compare(QLatin1String("Platforms"), Qt::CaseInsensitive) == 0) {
        QDir data = folder;
        if (data.cdUp() && data.dirName().compare(QLatin1String("Data"), Qt::CaseInsensitive) == 0 && data.cdUp())
            return data.absolutePath();
    }
    if (name.compare(QLatin1String("Data"), Qt::CaseInsensitive) == 0) {
        QDir above = folder;
        if (above.cdUp())
            return above.absolutePath();
    }
    return folder.absolutePath();
}

bool isLaunchBoxFolder(const QString &folder)
{
    // A Data folder with LaunchBox's lists in it, even without games.
    SourcePaths paths;
    const QString data = dataFolderOf(paths, folder);
    if (data.isEmpty())
        return false;
    for (const QString &name : paths.entries(data)) {
        if (name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive) ||
            name.compare(QLatin1String("Platforms"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

Result<std::vector<ImportGame>> read(const QString &source, const std::atomic<bool> *cancel)
{
    const bool isFolder = QFileInfo(source).isDir();
    const QString folder = isFolder ? QDir(source).absolutePath() : launchBoxFolder(source);
    SourcePaths paths(folder);
    const QStringList files = isFolder ? dataFilesOf(paths, folder) : QStringList{QFileInfo(source).absoluteFilePath()};
    if (files.isEmpty())
        return Failure(Failure::Kind::ImportNoDataFile, source);
    Result<std::vector<DataFile>> loaded = loadDataFiles(files);
    if (!loaded)
        return std::move(loaded).error();

    QHash<QString, QString> emulators;
    const QString data = dataFolderOf(paths, folder);
    if (const QString list = data.isEmpty() ? QString() : paths.child(data, QStringLiteral("Emulators.xml"));
        !list.isEmpty()) {
        // The emulator list only names emulators; a damaged one costs their names, not the import.
        if (auto document = ImportXml::load(list, "LaunchBox", QString()))
            addEmulatorTitles((*document)->document_element(), emulators);
    }

    std::vector<GameRecord> records;
    QHash<QString, std::vector<pugi::xml_node>> extras;
    QHash<QString, int> folderUse;
    for (const DataFile &file : *loaded) {
        const pugi::xml_node root = file.document->document_element();
        addEmulatorTitles(root, emulators);
        for (pugi::xml_node node = root.child("AdditionalApplication"); node;
             node = node.next_sibling("AdditionalApplication"))
            extras[text(node, "GameID").trimmed().toLower()].push_back(node);
        for (pugi::xml_node node = root.child("Game"); node; node = node.next_sibling("Game")) {
            if (cancel && records.size() % 64 == 0 && cancel->load(std::memory_order_relaxed))
                return Failure(Failure::Kind::Cancelled);
            GameRecord record{node, file.path, paths.find(text(node, "ApplicationPath")), {}, {}};
            if (const QString root = paths.find(text(node, "RootFolder")); QFileInfo(root).isDir())
                record.rootFolder = root;
            if (const QString scumm = paths.find(text(node, "ScummVMGameDataFolderPath")); QFileInfo(scumm).isDir())
                record.scummFolder = scumm;
            if (!record.application.isEmpty())
                ++folderUse[QFileInfo(record.application).path()];
            records.push_back(record);
        }
    }

    const QString images = paths.child(folder, QStringLiteral("Images"));
    LaunchBoxImages pictures(paths, QFileInfo(images).isDir() ? images : QString());
    GameMaker maker(paths, pictures, emulators, folderUse, extras);
    std::vector<ImportGame> games;
    games.reserve(records.size());
    for (const GameRecord &record : records) {
        if (cancel && games.size() % 64 == 0 && cancel->load(std::memory_order_relaxed))
            return Failure(Failure::Kind::Cancelled);
        games.push_back(maker.make(record));
    }
    return games;
}

} // namespace LaunchBoxReader
