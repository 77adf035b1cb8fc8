#include "support/BrowseRig.h"

#include "library/FilePlaces.h"

BrowseRig::BrowseRig(const QString &root, Random &random, const Clock &clock)
    : settings(FilePlaces(root).settingsFile()), m_random(random), m_clock(clock)
{
    settings.setErrorHandler([this](const Failure &failure) { messages << failure.message(); });
    const FilePlaces places(root);
    preferences.open(places.defaultLibraryRoot());
    LibraryState start;
    start.Places = places;
    LibraryModel reader(settings, std::move(start));
    QObject::connect(&reader, &LibraryModel::message, [this](const QString &text) { messages << text; });
    QObject::connect(&reader, &LibraryModel::scanFinished, [this] { ++scans; });
    reader.open(preferences.preferences().libraryRoot);
    source = reader.loadAtStartUp();
    rebuild(reader.state());
}

BrowseRig::BrowseRig(const QString &root, LibraryState tables, Random &random, const Clock &clock)
    : settings(FilePlaces(root).settingsFile()), m_random(random), m_clock(clock)
{
    settings.setErrorHandler([this](const Failure &failure) { messages << failure.message(); });
    preferences.open(FilePlaces(root).defaultLibraryRoot());
    rebuild(std::move(tables));
}

void BrowseRig::rebuild(LibraryState tables)
{
    filter.reset();
    browse.reset();
    library = std::make_unique<LibraryModel>(settings, std::move(tables));
    browse = std::make_unique<BrowseModel>(*library, preferences, m_random, m_clock,
                                           [this](const QString &, const QString &text) { messages << text; });
    filter = std::make_unique<FilterState>(*browse);
    QObject::connect(library.get(), &LibraryModel::message, [this](const QString &text) { messages << text; });
    QObject::connect(browse.get(), &BrowseModel::message, [this](const QString &text) { messages << text; });
    QObject::connect(library.get(), &LibraryModel::tablesReplaced, browse.get(), &BrowseModel::resort);
    browse->sortAtStartUp();
    browse->rebuildList();
}
