#include "import/GameListReader.h"

#include "import/ImportEmulators.h"
#include "import/ImportText.h"
#include "import/ImportXml.h"
#include "import/SourcePaths.h"
#include "library/LibraryPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <array>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

using ImportXml::text;

// ES-DE's media folders, by the picture kind (or the manual) they hold.
struct MediaFolder
{
    const char *name;
    int kind; // a PictureKind, or -1 for the manual
};
const MediaFolder kMediaFolders[] = {
    {"covers", int(PictureKind::Front)},        {"backcovers", int(PictureKind::Back)},
    {"titlescreens", int(PictureKind::Title)},  {"screenshots", int(PictureKind::Screen)},
    {"physicalmedia", int(PictureKind::Media)}, {"manuals", -1},
};

QString homeExpanded(const QString &path)
{
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

// A value of ES-DE's settings file (<string name="ROMDirectory" value="~/ROMs" />), whose many
// top-level elements make it a loose kind of XML.
QString esSetting(const QString &esFolder, const char *name)
{
    for (const char *place : {"settings/es_settings.xml", "es_settings.xml"}) {
        QFile file(esFolder + QLatin1Char('/') + QLatin1String(place));
        if (!LibraryPaths::isRegularFile(file.fileName()) || !file.open(QIODevice::ReadOnly))
            continue;
        pugi::xml_document document;
        const QByteArray bytes = file.readAll();
        if (!document.load_buffer(bytes.constData(), size_t(bytes.size())))
            continue;
        for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
            if (std::strcmp(node.attribute("name").value(), name) == 0)
                return homeExpanded(QString::fromUtf8(node.attribute("value").value()));
        }
    }
    return QString();
}

// Where one system's gamelist, games and media are.
struct SystemFolders
{
    QString system;
    QString roms;  // what "./" in the gamelist means
    QString media; // ES-DE's downloaded_media/<system>, or empty
};

SystemFolders foldersOf(const QString &gameList, const pugi::xml_node &root)
{
    SystemFolders folders;
    const QDir listFolder = QFileInfo(gameList).absoluteDir();
    folders.system = listFolder.dirName();
    // ES-DE keeps gamelists/<system>/gamelist.xml, downloaded_media/<system>/ and its settings in
    // one folder, and the games elsewhere; EmulationStation often keeps the gamelist with the games.
    QDir esFolder = listFolder;
    const bool apart = esFolder.cdUp() && esFolder.dirName().compare(QLatin1String("gamelists"), Qt::CaseInsensitive) == 0 &&
                       esFolder.cdUp();
    QStringList romCandidates{listFolder.absolutePath()};
    if (apart) {
        const QString es = esFolder.absolutePath();
        if (const QString configured = esSetting(es, "ROMDirectory"); !configured.isEmpty())
            romCandidates << configured + QLatin1Char('/') + folders.system;
        romCandidates << QFileInfo(es).path() + QStringLiteral("/ROMs/") + folders.system
                      << QDir::homePath() + QStringLiteral("/ROMs/") + folders.system;
        QString media = esSetting(es, "MediaDirectory");
        if (media.isEmpty())
            media = es + QStringLiteral("/downloaded_media");
        SourcePaths look;
        folders.media = look.child(media, folders.system);
    }
    // The first folder in which the first game's file is found is the system's.
    QString firstPath;
    for (pugi::xml_node game = root.child("game"); game && firstPath.isEmpty(); game = game.next_sibling("game"))
        firstPath = text(game, "path").trimmed();
    folders.roms = romCandidates.front();
    for (const QString &candidate : std::as_const(romCandidates)) {
        SourcePaths look(candidate);
        if (!firstPath.isEmpty() && !look.find(homeExpanded(firstPath)).isEmpty()) {
            folders.roms = candidate;
            break;
        }
    }
    return folders;
}

class SystemReader
{
public:
    explicit SystemReader(const SystemFolders &folders)
        : m_folders(folders), m_paths(folders.roms),
          m_system(ImportEmulators::forSystem(folders.system))
    {
        for (const MediaFolder &media : kMediaFolders)
            indexMedia(media);
    }

    ImportGame make(const pugi::xml_node &node);

private:
    void indexMedia(const MediaFolder &media);
    void placeFiles(const QString &written, ImportGame &game);
    QString findPicture(const pugi::xml_node &node, const char *tag, ImportGame &game);

    SystemFolders m_folders;
    SourcePaths m_paths;
    ImportEmulators::System m_system;
    // Per media folder: the files by their base name, without regard to letter case.
    std::array<QHash<CaseFoldedKey, QString>, std::size(kMediaFolders)> m_media;
};

void SystemReader::indexMedia(const MediaFolder &media)
{
    if (m_folders.media.isEmpty())
        return;
    const QString folder = m_paths.child(m_folders.media, QLatin1String(media.name));
    if (folder.isEmpty())
        return;
    // ES-DE names a game's media after its file, in the sub-folders the file is in.
    auto &index = m_media[size_t(&media - kMediaFolders)];
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = ImportText::relativePath(folder, path);
        const qsizetype suffix = it.fileInfo().suffix().size();
        const CaseFoldedKey key{suffix == 0 ? relative : relative.left(relative.size() - suffix - 1)};
        if (!index.contains(key))
            index.insert(key, path);
    }
}

QString SystemReader::findPicture(const pugi::xml_node &node, const char *tag, ImportGame &game)
{
    const QString written = text(node, tag).trimmed();
    if (written.isEmpty())
        return QString();
    const QString found = m_paths.find(homeExpanded(written));
    if (LibraryPaths::isRegularFile(found))
        return found;
    game.problems.emplace_back(Failure::Kind::ImportPictureMissing, written);
    return QString();
}

void SystemReader::placeFiles(const QString &written, ImportGame &game)
{
    using Kind = Failure::Kind;
    const QString found = m_paths.find(homeExpanded(written));
    if (written.isEmpty()) {
        game.problems.emplace_back(Kind::ImportNoProgramGiven);
        return;
    }
    if (found.isEmpty()) {
        game.problems.emplace_back(Kind::ImportProgramMissing, written);
        game.entry[EntryField::Executable] = QFileInfo(QString(written).replace(u'\\', u'/')).fileName();
        return;
    }
    if (QFileInfo(found).isDir()) {
        // A folder that stands for a game, as ES-DE allows: its program is the one at its top.
        game.filesFolder = found;
        game.programs = ImportText::programsIn(m_paths, found);
        game.entry[EntryField::Executable] = game.programs.value(0);
        game.entry[EntryField::Setup] = ImportText::setupAmong(game.programs);
        if (game.programs.isEmpty())
            game.problems.emplace_back(Kind::ImportNoProgramInFolder, found);
        else if (game.programs.size() > 1)
            game.problems.push_back(
                Failure(Kind::ImportSeveralPrograms, found).with(Failure::Fact::Programs, game.programs));
        return;
    }
    // A file below a folder of its own in the system's folder takes that folder along; one at the
    // top of the system's folder, beside all the others, goes alone.
    const QString relative = ImportText::relativePath(m_folders.roms, found);
    const qsizetype slash = relative.indexOf(u'/');
    if (slash > 0) {
        game.filesFolder = m_folders.roms + QLatin1Char('/') + relative.left(slash);
        game.entry[EntryField::Executable] = QDir::toNativeSeparators(relative.mid(slash + 1));
    } else {
        game.files << found;
        game.entry[EntryField::Executable] = QFileInfo(found).fileName();
    }
}

ImportGame SystemReader::make(const pugi::xml_node &node)
{
    ImportGame game;
    GameEntry &entry = game.entry;
    const QString path = text(node, "path").trimmed();
    game.sourceKey = QStringLiteral("EmulationStation %1/%2").arg(m_folders.system, path);
    entry[EntryField::Name] = ImportText::cleanName(text(node, "name"));
    if (entry[EntryField::Name].isEmpty()) {
        game.importable = false;
        game.problems.emplace_back(Failure::Kind::ImportNoTitle);
    }
    entry[EntryField::Year] = ImportText::yearOf(text(node, "releasedate"));
    entry[EntryField::Developer] = text(node, "developer").trimmed();
    entry[EntryField::Publisher] = text(node, "publisher").trimmed();
    entry[EntryField::Genre] = text(node, "genre").trimmed();
    entry[EntryField::Platform] = m_system.platform;
    entry[EntryField::Emulator] = m_system.emulator;
    bool rated = false;
    const double rating = text(node, "rating").trimmed().toDouble(&rated);
    if (rated && rating > 0 && rating <= 1)
        entry[EntryField::Rating] = ImportText::stars(int(std::lround(rating * 5)));
    game.favorite = text(node, "favorite").trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    game.notes = text(node, "desc");
    game.notes.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    placeFiles(path, game);

    // The pictures the entry names first; ES-DE's media folders fill what it leaves open.
    auto &pictures = game.pictures;
    const QString image = findPicture(node, "image", game);
    const QString thumbnail = findPicture(node, "thumbnail", game);
    pictures[size_t(PictureKind::Front)] = image.isEmpty() ? thumbnail : image;
    pictures[size_t(PictureKind::Screen)] = image.isEmpty() ? QString() : thumbnail;
    const QString marquee = findPicture(node, "marquee", game);
    // The game's file below the system's folder, without its extension, and, for a folder that
    // stands for a game, with it.
    QString relative = QDir::cleanPath(QString(path).replace(u'\\', u'/'));
    if (relative.startsWith(QLatin1String("./")))
        relative = relative.mid(2);
    const QString suffix = QFileInfo(relative).suffix();
    const QString withoutSuffix = suffix.isEmpty() ? relative : relative.left(relative.size() - suffix.size() - 1);
    for (size_t i = 0; i < std::size(kMediaFolders); ++i) {
        QString found = m_media[i].value(CaseFoldedKey{withoutSuffix});
        if (found.isEmpty())
            found = m_media[i].value(CaseFoldedKey{relative});
        if (found.isEmpty())
            continue;
        if (kMediaFolders[i].kind < 0) {
            game.manual = found;
            continue;
        }
        QString &picture = pictures[size_t(kMediaFolders[i].kind)];
        if (picture.isEmpty())
            picture = found;
    }
    if (pictures[size_t(PictureKind::Title)].isEmpty())
        pictures[size_t(PictureKind::Title)] = marquee;
    if (const QString manual = text(node, "manual").trimmed(); !manual.isEmpty() && game.manual.isEmpty()) {
        game.manual = m_paths.find(homeExpanded(manual));
        if (!LibraryPaths::isRegularFile(game.manual)) {
            game.manual.clear();
            game.problems.emplace_back(Failure::Kind::ImportManualMissing, manual);
        }
    }
    return game;
}

} // namespace

namespace GameListReader {

QStringList gameLists(const QString &source)
{
    const QFileInfo info(source);
    if (info.isFile())
        return {info.absoluteFilePath()};
    if (!info.isDir())
        return {};
    SourcePaths paths;
    const QString folder = info.absoluteFilePath();
    if (const QString own = paths.child(folder, QStringLiteral("gamelist.xml")); LibraryPaths::isRegularFile(own))
        return {own};
    // EmulationStation names them so; looking for the name as written spares a listing of each of
    // thousands of folders when the source is a folder of game folders.
    QStringList lists;
    for (const QString &name : paths.entries(folder)) {
        if (const QString list = folder + QLatin1Char('/') + name + QStringLiteral("/gamelist.xml");
            LibraryPaths::isRegularFile(list))
            lists << list;
    }
    return lists;
}

Result<std::vector<ImportGame>> read(const QString &source, const std::atomic<bool> *cancel)
{
    const QStringList lists = gameLists(source);
    if (lists.isEmpty())
        return Failure(Failure::Kind::ImportNoGameList, source);
    std::vector<ImportGame> games;
    for (const QString &list : lists) {
        auto document = ImportXml::load(list, "gameList", QStringLiteral("an EmulationStation gamelist.xml"));
        if (!document)
            return std::move(document).error();
        const pugi::xml_node root = (*document)->document_element();
        SystemReader reader(foldersOf(list, root));
        for (pugi::xml_node node = root.child("game"); node; node = node.next_sibling("game")) {
            if (cancel && games.size() % 64 == 0 && cancel->load(std::memory_order_relaxed))
                return Failure(Failure::Kind::Cancelled);
            games.push_back(reader.make(node));
        }
    }
    return games;
}

} // namespace GameListReader
