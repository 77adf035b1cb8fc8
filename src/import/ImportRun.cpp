#include "import/ImportRun.h"

#include "base/SettingsFile.h"
#include "library/LibraryPaths.h"

#include <QDir>
#include <QThread>

#include <algorithm>
#include <mutex>
#include <optional>
#include <thread>

QStringList ImportSummary::lines(const QString &category) const
{
    QStringList lines;
    const int count = int(made.size());
    if (count == 0)
        lines << QStringLiteral("No game was made in %1.").arg(category);
    else if (count == 1)
        lines << QStringLiteral("1 game was made in %1.").arg(category);
    else
        lines << QStringLiteral("%1 games were made in %2.").arg(count).arg(category);
    for (const Made &game : made)
        lines << QStringLiteral("    %1 (%2)").arg(game.name, QDir::toNativeSeparators(game.folder));
    for (const Failure &note : notes)
        lines << QStringLiteral("    ") + note.message();
    if (!passedOver.empty()) {
        lines << (passedOver.size() == 1 ? QStringLiteral("1 game was passed over:")
                                         : QStringLiteral("%1 games were passed over:").arg(passedOver.size()));
        for (const Failure &game : passedOver)
            lines << QStringLiteral("    ") + game.message();
    }
    if (notTicked > 0)
        lines << (notTicked == 1 ? QStringLiteral("1 game was not ticked.")
                                 : QStringLiteral("%1 games were not ticked.").arg(notTicked));
    if (cancelled)
        lines << QStringLiteral("The import was cancelled: %1 of the ticked games were not begun; every game "
                                "that was begun is whole.")
                     .arg(notStarted);
    return lines;
}

namespace ImportRun {

Result<QString> prepareCategory(SettingsFile &settings, const QString &libraryRoot, const QString &category)
{
    using Kind = Failure::Kind;
    const QString name = category.trimmed();
    if (name.isEmpty())
        return Failure(Kind::ImportCategoryBlank);
    // One folder directly in the games folder, which the scan visits: no separator, nothing
    // Windows refuses, not hidden.
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    bool fit = !name.startsWith(u'.') && !name.endsWith(u'.');
    for (const QChar c : name)
        fit = fit && !refused.contains(c) && c.unicode() >= 0x20;
    if (!fit)
        return Failure(Kind::ImportCategoryUnfit).with(Failure::Fact::Category, name);
    if (libraryRoot.trimmed().isEmpty())
        return Failure(Kind::LibraryNotSet);

    QString spelled = name;
    bool known = false;
    for (const QString &existing : settings.subfolders()) {
        if (existing.compare(name, Qt::CaseInsensitive) == 0) {
            spelled = existing;
            known = true;
            break;
        }
    }
    if (!known) {
        if (Result<void> written = settings.writeValues({{QStringLiteral("Subfolders"), spelled, QString()}}); !written)
            return std::move(written).error();
    }
    const QString folder = LibraryPaths::join(LibraryPaths::gamesFolder(libraryRoot), spelled);
    if (!QDir().mkpath(folder))
        return Failure(Kind::FolderNotCreated, folder);
    return spelled;
}

ImportSummary run(const std::vector<ImportRow> &rows, const ImportTarget &target,
                  const std::function<void(int done, int total)> &progress, const std::atomic<bool> *cancel)
{
    std::vector<size_t> ticked;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].ticked)
            ticked.push_back(i);
    }
    const int total = int(ticked.size());
    ImportWriter writer(target);
    const Result<void> ready = writer.begin();

    // Most of a game's time is the file system's: making a dozen folders and a few files. Games
    // are made side by side, each by one worker from start to end, so that a cancel still falls
    // between two games of every worker.
    std::vector<std::optional<Result<ImportWriter::Made>>> made(ticked.size());
    std::atomic<size_t> next{0};
    std::atomic<int> done{0};
    std::mutex reporting;
    if (progress)
        progress(0, total);
    const auto work = [&] {
        for (;;) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return;
            const size_t index = next.fetch_add(1);
            if (index >= ticked.size())
                return;
            const ImportRow &row = rows[ticked[index]];
            made[index] = ready ? writer.write(row.game, row.folderName) : Result<ImportWriter::Made>(ready.error());
            const int finished = done.fetch_add(1) + 1;
            if (progress) {
                const std::lock_guard<std::mutex> lock(reporting);
                progress(finished, total);
            }
        }
    };
    const int workers = std::clamp(QThread::idealThreadCount(), 1, 4);
    std::vector<std::thread> helpers;
    for (int i = 1; i < workers && i < total; ++i)
        helpers.emplace_back(work);
    work();
    for (std::thread &helper : helpers)
        helper.join();

    ImportSummary summary;
    size_t index = 0;
    for (const ImportRow &row : rows) {
        const QString &name = row.game.entry[EntryField::Name];
        if (!row.ticked) {
            // Rows the import itself unticked say why; the rest the user unticked.
            if (row.alreadyImported || !row.game.importable)
                summary.passedOver.push_back(Failure(Failure::Kind::ImportGamePassedOver)
                                                 .with(Failure::Fact::Game, name)
                                                 .withCause(row.game.problems.front()));
            else
                ++summary.notTicked;
            continue;
        }
        std::optional<Result<ImportWriter::Made>> &game = made[index++];
        if (!game) {
            summary.cancelled = true;
            ++summary.notStarted;
        } else if (!*game) {
            summary.passedOver.push_back(Failure(Failure::Kind::ImportGamePassedOver)
                                             .with(Failure::Fact::Game, name)
                                             .withCause(game->error()));
        } else {
            summary.made.push_back({name, (*game)->folder});
            for (Failure &note : (*game)->notes)
                summary.notes.push_back(std::move(note));
        }
    }
    return summary;
}

} // namespace ImportRun
