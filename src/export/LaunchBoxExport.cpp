#include "export/LaunchBoxExport.h"

#include "export/LaunchBoxDocument.h"
#include "export/LaunchBoxText.h"
#include "library/GameTable.h"
#include "library/LibraryPaths.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Taken also when it is a link that points nowhere: the name is not free.
bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString below(const QString &folder, const char *subfolder, const QString &name)
{
    return LibraryPaths::normalise(folder + LibraryPaths::separator() + QLatin1String(subfolder) +
                                   LibraryPaths::separator() + name);
}

} // namespace

LaunchBoxExport::LaunchBoxExport(const GameTable &table, const QString &libraryRoot, Clock &clock,
                                 FileOps &fileOps)
    : m_table(table), m_libraryRoot(libraryRoot), m_clock(clock), m_fileOps(fileOps)
{
    // A missing column leaves its part out rather than borrowing column 0, as every other path
    // of a row does.
    const auto find = [&table](const char *name) { return table.findColumn(QLatin1String(name)); };
    m_columns.name = find("Name");
    m_columns.genre = find("Genre");
    m_columns.subGenre = find("SubGenre");
    m_columns.subGenre2 = find("SubGenre2");
    m_columns.developer = find("Developer");
    m_columns.publisher = find("Publisher");
    m_columns.executable = find("Executable");
    m_columns.about = find("About");
    m_columns.manual = find("Manual");
    m_columns.platform = find("Platform");
    m_columns.front = find("Front01");
    m_columns.back = find("Back01");
    m_columns.screen = find("Screen01");
    m_columns.title = find("Title01");
    m_columns.media = find("Media01");
    for (int n = 0; n < 7; ++n) {
        m_columns.extra[static_cast<size_t>(n)] = table.findColumn(QStringLiteral("Extra%1").arg(n + 1));
        m_columns.extraLink[static_cast<size_t>(n)] =
            table.findColumn(QStringLiteral("ExtraLink%1").arg(n + 1));
    }
}

QString LaunchBoxExport::cell(int column, int row) const
{
    return column < 0 ? QString() : m_table.cell(column, row);
}

Result<void> LaunchBoxExport::run(const QString &dataFile, const Progress &progress)
{
    LaunchBoxDocument document;
    if (Result<void> loaded = document.load(dataFile); !loaded)
        return loaded;

    // The user's file is about to be rewritten: the first backup ever made of it stays.
    const QString backup = LaunchBoxText::backupFileName(dataFile);
    if (!nameTaken(backup)) {
        if (Result<void> copied = m_fileOps.copyFileNoOverwrite(dataFile, backup); !copied)
            return Failure(Failure::Kind::BackupFailed, dataFile).withCause(std::move(copied).error());
    }

    const QString exportFolder = QFileInfo(dataFile).absolutePath();
    const QString images = LibraryPaths::resolve(LibraryPaths::join(exportFolder, QStringLiteral("Images")));
    m_imagesFolder = QFileInfo(images).isDir() ? images : QString();

    const int games = m_table.rowCount() - 1;
    if (progress.started)
        progress.started(games);
    for (int row = 1; row <= games; ++row) {
        if (progress.gameStarted)
            progress.gameStarted(row);
        exportGame(document, row);
    }
    return document.save(dataFile);
}

void LaunchBoxExport::exportGame(LaunchBoxDocument &document, int row)
{
    const Columns &c = m_columns;
    const QString id = LaunchBoxText::gameId();
    const QString when = LaunchBoxText::timestamp(m_clock.now());
    const QString gameFolder = LibraryPaths::gameFolder(m_libraryRoot, m_table, row);
    const QString metadataFolder = LibraryPaths::metadataFolder(m_libraryRoot, m_table, row);
    const QString sep = LibraryPaths::separator();
    const QString falseText = QStringLiteral("false");

    std::vector<LaunchBoxDocument::Child> children;
    children.reserve(22);
    children.push_back({"ID", id});
    children.push_back({"Title", cell(c.name, row)});
    children.push_back({"Developer", cell(c.developer, row)});
    children.push_back({"Publisher", cell(c.publisher, row)});
    children.push_back({"Platform", cell(c.platform, row)});
    children.push_back(
        {"Genre", LaunchBoxText::genre(cell(c.genre, row), cell(c.subGenre, row), cell(c.subGenre2, row))});
    children.push_back(
        {"ApplicationPath", LibraryPaths::normalise(gameFolder + sep + cell(c.executable, row))});
    children.push_back({"UseDosBox", falseText});
    if (const QString about = cell(c.about, row); !about.isEmpty()) {
        if (const std::optional<QString> notes =
                LaunchBoxText::readNotes(LibraryPaths::resolve(below(metadataFolder, "About", about))))
            children.push_back({"Notes", *notes});
    }
    if (const QString manual = cell(c.manual, row); !manual.isEmpty())
        children.push_back({"ManualPath", below(metadataFolder, "Manual", manual)});
    children.push_back({"Status", QStringLiteral("Imported from PALLOX")});
    children.push_back({"Source", QStringLiteral("PALLOX")});
    children.push_back({"Favorite", falseText});
    children.push_back({"Completed", falseText});
    children.push_back({"DateAdded", when});
    children.push_back({"DateModified", when});
    children.push_back({"StarRating", QStringLiteral("0")});
    children.push_back({"UseScummVM", falseText});
    children.push_back({"ScummVMFullscreen", falseText});
    children.push_back({"ScummVMAspectCorrection", falseText});
    children.push_back({"ShowBack", falseText});
    children.push_back({"RootFolder", gameFolder});
    document.append("Game", children);

    if (!m_imagesFolder.isEmpty()) {
        const QString imageFolder =
            LibraryPaths::join(m_imagesFolder, LaunchBoxText::imageFolderName(cell(c.name, row), id));
        // A folder that cannot be made (a name the file system refuses) only costs the pictures.
        if (QDir().mkpath(LibraryPaths::join(imageFolder, QStringLiteral("Screenshots"))))
            copyPictures(row, metadataFolder, imageFolder);
    }

    for (size_t n = 0; n < 7; ++n) {
        const QString name = cell(c.extra[n], row);
        if (name.isEmpty())
            continue;
        QString link = cell(c.extraLink[n], row);
        if (!link.startsWith(QLatin1String("http")))
            link = below(metadataFolder, "Extras", link);
        document.append("AdditionalApplication", {{"GameID", id},
                                                  {"Name", name},
                                                  {"ApplicationPath", link},
                                                  {"CommandLine", QString()},
                                                  {"UseDosBox", falseText},
                                                  {"UseEmulator", falseText},
                                                  {"AutoRunBefore", falseText},
                                                  {"AutoRunAfter", falseText},
                                                  {"WaitForExit", falseText}});
    }
}

void LaunchBoxExport::copyPictures(int row, const QString &metadataFolder, const QString &imageFolder)
{
    const Columns &c = m_columns;
    const QString screenshots = LibraryPaths::join(imageFolder, QStringLiteral("Screenshots"));
    const QString screen = cell(c.screen, row);
    const QString title = cell(c.title, row);
    copyPicture(metadataFolder, "Front", cell(c.front, row),
                LibraryPaths::join(imageFolder, QStringLiteral("Front.jpg")));
    copyPicture(metadataFolder, "Back", cell(c.back, row),
                LibraryPaths::join(imageFolder, QStringLiteral("Back.jpg")));
    // The picture's own name, without any folder part it may carry, so that it lands in Screenshots.
    if (const QString name = LaunchBoxText::fileNamePart(screen); !name.isEmpty())
        copyPicture(metadataFolder, "Screen", screen, LibraryPaths::join(screenshots, name));
    if (const QString name = LaunchBoxText::fileNamePart(title); !name.isEmpty())
        copyPicture(metadataFolder, "Title", title, LibraryPaths::join(screenshots, name));
    copyPicture(metadataFolder, "Media", cell(c.media, row),
                LibraryPaths::join(screenshots, QStringLiteral("xmedia.jpg")));
}

void LaunchBoxExport::copyPicture(const QString &metadataFolder, const char *subfolder, const QString &name,
                                  const QString &destination)
{
    // An empty name would name the folder itself, which is no picture.
    if (name.isEmpty())
        return;
    const QString source = LibraryPaths::resolve(below(metadataFolder, subfolder, name));
    if (!LibraryPaths::isRegularFile(source))
        return;
    // A failed copy costs this picture only; one already there is never replaced.
    m_fileOps.copyFileNoOverwrite(source, destination);
}
