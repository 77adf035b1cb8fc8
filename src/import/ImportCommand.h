#pragma once

#include "import/ImportGame.h"
#include "import/ImportSource.h"
#include "library/FilePlaces.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// `pallox --import SOURCE --category NAME [--copy|--move] [--dry-run]`: the import for scripts,
// without a window. It prints the preview (a dry run) or the summary and ends with a status.
namespace ImportCommand {

inline constexpr int Succeeded = 0;
inline constexpr int Failed = 1;   // the source could not be read, or a game could not be made
inline constexpr int BadUsage = 2;

struct Options
{
    SourceRequest source;
    QString category;
    FileMode mode = FileMode::Link;
    bool dryRun = false;
    // The library to import into; empty for the one the settings file names.
    QString libraryRoot;
};

// Whether the program's arguments ask for an import, which then runs instead of the window.
bool requested(const QStringList &arguments);

// The options of the program's arguments (the program's name first); nothing, with the reason in
// `error`, when they make no import.
std::optional<Options> parse(const QStringList &arguments, QString *error);

QString usage();

// The import itself, with the places the program would use: their settings file names the
// library and its category folders, and receives a new category. A real import reads the
// library again afterwards, so that the next start lists the new games.
int run(const Options &options, const FilePlaces &places, QTextStream &out, QTextStream &err);

// parse() and run(), for main().
int main(const QStringList &arguments, const FilePlaces &places, QTextStream &out, QTextStream &err);

} // namespace ImportCommand
