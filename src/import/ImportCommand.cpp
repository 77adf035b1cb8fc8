#include "import/ImportCommand.h"

#include "base/SettingsFile.h"
#include "import/ImportPreview.h"
#include "import/ImportRun.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// What the library scan after an import has to say reaches the error stream.
class PrintingObserver : public ScanObserver
{
public:
    explicit PrintingObserver(QTextStream &err) : m_err(err) {}
    void failed(const Failure &failure) override { m_err << failure.message() << '\n'; }

private:
    QTextStream &m_err;
};

void printLines(QTextStream &stream, const QStringList &lines)
{
    for (const QString &line : lines)
        stream << line << '\n';
    stream.flush();
}

} // namespace

namespace ImportCommand {

bool requested(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--import") || argument.startsWith(QLatin1String("--import=")))
            return true;
    }
    return false;
}

QString usage()
{
    return QStringLiteral(
        "Usage: pallox --import SOURCE --category NAME [--copy|--move] [--dry-run]\n"
        "              [--kind launchbox|emulationstation|folders] [--platform NAME] [--emulator NAME]\n"
        "              [--library FOLDER]\n"
        "SOURCE is a LaunchBox data file or folder, an EmulationStation gamelist.xml or a folder of them,\n"
        "or a folder of game folders. The game files are linked unless --copy or --move is given.");
}

std::optional<Options> parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    const QCommandLineOption import(QStringLiteral("import"), QString(), QStringLiteral("SOURCE"));
    const QCommandLineOption category(QStringLiteral("category"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption copy(QStringLiteral("copy"));
    const QCommandLineOption move(QStringLiteral("move"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"));
    const QCommandLineOption kind(QStringLiteral("kind"), QString(), QStringLiteral("KIND"));
    const QCommandLineOption platform(QStringLiteral("platform"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption emulator(QStringLiteral("emulator"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption library(QStringLiteral("library"), QString(), QStringLiteral("FOLDER"));
    parser.addOptions({import, category, copy, move, dryRun, kind, platform, emulator, library});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    const auto fail = [error](const QString &why) {
        *error = why;
        return std::nullopt;
    };
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().front()));
    if (parser.value(import).trimmed().isEmpty())
        return fail(QStringLiteral("--import needs a source."));
    if (parser.value(category).trimmed().isEmpty())
        return fail(QStringLiteral("--category needs the name of a category folder."));
    if (parser.isSet(copy) && parser.isSet(move))
        return fail(QStringLiteral("--copy and --move cannot both be given."));

    Options options;
    options.source.path = parser.value(import);
    options.category = parser.value(category).trimmed();
    options.mode = parser.isSet(copy) ? FileMode::Copy : parser.isSet(move) ? FileMode::Move : FileMode::Link;
    options.dryRun = parser.isSet(dryRun);
    options.libraryRoot = parser.value(library);
    if (parser.isSet(kind)) {
        const QString name = parser.value(kind).toLower();
        if (name == QLatin1String("launchbox"))
            options.source.kind = SourceKind::LaunchBox;
        else if (name == QLatin1String("emulationstation"))
            options.source.kind = SourceKind::EmulationStation;
        else if (name == QLatin1String("folders"))
            options.source.kind = SourceKind::GameFolders;
        else
            return fail(QStringLiteral("--kind is one of launchbox, emulationstation and folders."));
    }
    if (parser.isSet(platform))
        options.source.platform = parser.value(platform);
    if (parser.isSet(emulator))
        options.source.emulator = parser.value(emulator);
    return options;
}

int run(const Options &options, const FilePlaces &places, QTextStream &out, QTextStream &err)
{
    // The new category has to be kept, so settings that cannot be kept end the import here.
    if (Result<void> made = places.makeSettingsFile(); !made) {
        err << made.error().message() << '\n';
        return Failed;
    }
    SettingsFile settings(places.settingsFile());
    QString root = options.libraryRoot;
    if (root.isEmpty())
        root = settings.read(SettingsKeys::VADPath);
    if (root.isEmpty())
        root = places.defaultLibraryRoot();
    if (root.isEmpty())
        root = QFileInfo(places.settingsFile()).absolutePath();
    root = LibraryPaths::withTrailingSeparator(QDir(root).absolutePath());

    ImportTarget target{root, options.category, options.mode};
    Result<ImportPreview> preview = ImportPreview::build(options.source, target, settings.subfolders());
    if (!preview) {
        err << preview.error().message() << '\n';
        return Failed;
    }
    if (options.dryRun) {
        printLines(out, preview->lines(options.category));
        return Succeeded;
    }
    Result<QString> category = ImportRun::prepareCategory(settings, root, options.category);
    if (!category) {
        err << category.error().message() << '\n';
        return Failed;
    }
    target.category = *category;
    const ImportSummary summary = ImportRun::run(preview->rows, target);
    printLines(out, summary.lines(target.category));

    if (!summary.made.empty()) {
        // The next start would show the data cache of before; the library is read now instead.
        LibraryState state;
        state.LibraryRoot = root;
        state.Places = places;
        state.lbDirList = settings.subfolders();
        state.StartupLoading = false;
        PrintingObserver observer(err);
        LoadGrid(state, settings, observer);
    }
    bool failed = false;
    for (const Failure &passed : summary.passedOver)
        failed = failed || passed.causes().empty() ||
                 passed.causes().front().kind() != Failure::Kind::ImportAlreadyImported;
    return failed ? Failed : Succeeded;
}

int main(const QStringList &arguments, const FilePlaces &places, QTextStream &out, QTextStream &err)
{
    QString error;
    const std::optional<Options> options = parse(arguments, &error);
    if (!options) {
        err << error << '\n' << usage() << '\n';
        return BadUsage;
    }
    return run(*options, places, out, err);
}

} // namespace ImportCommand
