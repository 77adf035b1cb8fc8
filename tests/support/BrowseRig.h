#pragma once

#include "base/SettingsFile.h"
#include "library/LibraryState.h"
#include "session/BrowseModel.h"
#include "session/FilterState.h"
#include "session/LibraryModel.h"
#include "session/PreferencesModel.h"

#include <QStringList>

#include <memory>

class Clock;
class Random;

// The models behind the main list, built as the session builds them, over a library read as
// start-up reads it: for tests and benchmarks that change the tables before the models see them.
class BrowseRig
{
public:
    // Reads the library at `root` (or, given `tables`, takes those) with the settings file there.
    BrowseRig(const QString &root, Random &random, const Clock &clock);
    BrowseRig(const QString &root, LibraryState tables, Random &random, const Clock &clock);

    // The library as the models hold it, to be changed and given back with rebuild().
    LibraryState tables() const { return library->state(); }
    // New models over the changed tables, sorted by name and listed.
    void rebuild(LibraryState tables);

    SettingsFile settings;
    PreferencesModel preferences{settings};
    std::unique_ptr<LibraryModel> library;
    std::unique_ptr<BrowseModel> browse;
    std::unique_ptr<FilterState> filter;
    QStringList messages;
    // Where the first read took the table from, and the scans it made.
    TableSource source = TableSource::Cache;
    int scans = 0;

private:
    Random &m_random;
    const Clock &m_clock;
};
