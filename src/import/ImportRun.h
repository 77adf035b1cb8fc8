#pragma once

#include "base/Result.h"
#include "import/ImportPreview.h"
#include "import/ImportWriter.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <vector>

class SettingsFile;

// What an import made and passed over.
struct ImportSummary
{
    struct Made
    {
        QString name;
        QString folder;
    };
    std::vector<Made> made;
    // One per game that was not made, with the game's name and why.
    std::vector<Failure> passedOver;
    // Things to know about games that were made.
    std::vector<Failure> notes;
    int notTicked = 0;
    bool cancelled = false;
    int notStarted = 0; // left when the import was cancelled

    // What the user reads when the import has ended.
    QStringList lines(const QString &category) const;
};

namespace ImportRun {

// The category ready for games: its name checked, added to the settings file's category folders
// when it is new there, and its folder made. The name as the settings file spells it.
Result<QString> prepareCategory(SettingsFile &settings, const QString &libraryRoot, const QString &category);

// Makes the ticked rows' games, a few side by side; a cancel takes effect between two games, so
// every game is made whole or not at all. `progress` hears how many of the ticked games are done,
// first 0, then after each, from the thread that made it, one call at a time.
ImportSummary run(const std::vector<ImportRow> &rows, const ImportTarget &target,
                  const std::function<void(int done, int total)> &progress = {},
                  const std::atomic<bool> *cancel = nullptr);

} // namespace ImportRun
