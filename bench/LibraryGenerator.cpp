#include "LibraryGenerator.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>

#include "library/LibraryScanner.h"

#include <array>
#include <functional>
#include <random>
#include <vector>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

using Words = std::vector<const char *>;

const Words kCategories = {"Adventure", "Action",     "Strategy",    "Puzzle",
                           "Sports",    "Simulation", "RolePlaying", "Racing"};

// The field list of the settings file that ships with the program.
const Words kFields = {"Number",     "Name",       "Year",       "Developer",      "Publisher",  "Genre",
                       "SubGenre",   "SubGenre2",  "Designer",   "Designer2",      "Platform",   "Series",
                       "Series2",    "Manual",     "Executable", "DBConf/ScummID", "Emulator",   "Setup",
                       "Front01",    "Back01",     "Media01",    "Screen01",       "Title01",    "Extra1",
                       "Extra2",     "Extra3",     "Extra4",     "Extra5",         "ExtraLink1", "ExtraLink2",
                       "ExtraLink3", "ExtraLink4", "ExtraLink5", "About",          "Folder",     "Subfolder"};

const Words kAdjectives = {"Iron",      "Silent",    "Crimson", "Lost",     "Hidden",   "Frozen",  "Golden",
                           "Broken",    "Electric",  "Savage",  "Twilight", "Hollow",   "Burning", "Emerald",
                           "Shadow",    "Forgotten", "Rusty",   "Cosmic",   "Distant",  "Wicked",  "Brave",
                           "Sunken",    "Endless",   "Neon",    "Velvet",   "Stone",    "Thunder", "Mystic",
                           "Clockwork", "Paper",     "Glass",   "Copper",   "Midnight", "Wild",    "Quiet",
                           "Scarlet",   "Amber",     "Phantom", "Northern", "Little"};
const Words kNouns = {"Castle",     "Empire",  "Voyage",    "Legacy",   "Kingdom", "Circuit",    "Harbour",
                      "Station",    "Orchard", "Citadel",   "Frontier", "Dungeon", "Lantern",    "Meridian",
                      "Garden",     "Rally",   "League",    "Colony",   "Tower",   "Desert",     "Galaxy",
                      "Engine",     "Island",  "Labyrinth", "Fortress", "Crusade", "Mirror",     "Quest",
                      "Sector",     "Canyon",  "Dynasty",   "Heist",    "Pilot",   "Knight",     "Wizard",
                      "Detective",  "Courier", "Runner",    "Raider",   "Baron",   "Patrol",     "Odyssey",
                      "Chronicle",  "Tactics", "Arena",     "Derby",    "Outpost", "Expedition", "Siege",
                      "Carnival",   "Reef",    "Abyss",     "Summit",   "Tide",    "Pioneer",    "Vault",
                      "Tournament", "Harvest", "Nebula",    "Grid"};
const Words kPlaces = {"Ashvale",       "the Deep",    "Kessel",       "Mirewood",     "the North",
                       "Tarrow",        "Brightwater", "the Moon",     "Old Harbour",  "Greyhaven",
                       "the Spires",    "Calder",      "Eastmarch",    "the Last Sea", "Vellum",
                       "Dunmore",       "the Wastes",  "Lumen",        "Orrin",        "the Isles",
                       "Farrow",        "Saltmere",    "the Void",     "Hollowfen",    "Castamere",
                       "the Red Sands", "Quill",       "Brackenridge", "Norwick",      "Zephyr"};
const Words kSuffixes = {
    "", "", "", "", " II", " III", " Deluxe", " 2000", ": Special Edition", ": The Return", " Gold", " 64"};
const Words kSyllables = {"Ar",  "Bel", "Cor", "Dra", "El",  "Fen", "Gal", "Hy",  "Ix", "Jor", "Kal", "Lum",
                          "Mor", "Nex", "Or",  "Pra", "Quo", "Ryn", "Sol", "Tor", "Ul", "Vex", "Wyn", "Zen"};
const Words kCompanySuffixes = {" Software", " Games",       " Interactive", " Studios", " Entertainment",
                                " Soft",     " Productions", " Digital",     " Works",   " Labs"};
const Words kFirstNames = {"Ada",   "Bram",   "Clara",   "Dmitri", "Elin", "Farid",  "Greta",
                           "Hugo",  "Ines",   "Jonas",   "Kenji",  "Lena", "Marco",  "Nadia",
                           "Oskar", "Priya",  "Quentin", "Rosa",   "Sven", "Tamsin", "Ulrich",
                           "Vera",  "Walter", "Yusuf",   "Zoe"};
const Words kLastNames = {"Ahlquist", "Brisk",  "Castell",  "Dunmore", "Eriksen", "Falk",
                          "Holm",     "Ishida", "Jansen",   "Kowal",   "Lind",    "Marsh",
                          "Novak",    "Orley",  "Petrov",   "Quinn",   "Rossi",   "Solberg",
                          "Tanaka",   "Ulm",    "Vossberg", "Weller",  "Yilmaz",  "Zeller"};

struct GenreInfo
{
    const char *genre;
    Words subGenres;
};
// One genre per category, in the order of kCategories.
const std::array<GenreInfo, 8> kGenres = {{
    {"Adventure", {"Point and Click", "Text Adventure", "Graphic Adventure", "Interactive Fiction"}},
    {"Action", {"Platform", "Shoot em up", "Beat em up", "Run and Gun", "Maze"}},
    {"Strategy", {"Turn-based", "Real-time", "Wargame", "Economic", "4X"}},
    {"Puzzle", {"Falling Blocks", "Logic", "Match Three", "Sokoban", "Word"}},
    {"Sports", {"Football", "Tennis", "Golf", "Ice Hockey", "Boxing"}},
    {"Simulation", {"Flight", "Space", "City Building", "Submarine", "Train"}},
    {"Role-Playing", {"Dungeon Crawler", "Party Based", "Action RPG", "Roguelike"}},
    {"Racing", {"Formula", "Rally", "Kart", "Motorbike", "Futuristic"}},
}};

struct PlatformInfo
{
    const char *platform;
    const char *emulator;
    const char *extension;
    int firstYear;
    int lastYear;
};
const std::array<PlatformInfo, 10> kPlatforms = {{
    {"DOS", "DOSBox", ".EXE", 1981, 1999},
    {"DOS", "DOSBox", ".EXE", 1985, 1997}, // listed twice: most collections lean this way
    {"Amiga", "FS-UAE", ".adf", 1985, 1996},
    {"Commodore 64", "MESS", ".d64", 1982, 1992},
    {"SNES", "SNES", ".sfc", 1990, 1998},
    {"NES", "NES", ".nes", 1985, 1995},
    {"Arcade", "MAME", ".zip", 1978, 2000},
    {"Game Boy Advance", "GBA", ".gba", 2001, 2008},
    {"Atari 2600", "2600", ".a26", 1977, 1990},
    {"Windows 3.x", "", ".EXE", 1990, 1997},
}};

class Random
{
  public:
    explicit Random(unsigned seed) : m_engine(seed) {}
    int below(int n) { return static_cast<int>(m_engine() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    const char *pick(const Words &words)
    {
        return words[static_cast<size_t>(below(static_cast<int>(words.size())))];
    }
    // Small indices far more often than large ones, as a few companies make most games.
    int skewedBelow(int n)
    {
        const double u = (m_engine() & 0xffffff) / double(0x1000000);
        return static_cast<int>(u * u * n);
    }

  private:
    std::mt19937 m_engine;
};

QString companyName(Random &random, QSet<QString> &taken)
{
    for (;;) {
        QString name =
            QLatin1String(random.pick(kSyllables)) + QString::fromLatin1(random.pick(kSyllables)).toLower();
        if (random.chance(40))
            name += QString::fromLatin1(random.pick(kSyllables)).toLower();
        name += QLatin1String(random.pick(kCompanySuffixes));
        if (taken.contains(name))
            name += QLatin1Char(' ') + QString::number(taken.size());
        if (!taken.contains(name)) {
            taken.insert(name);
            return name;
        }
    }
}

QString personName(Random &random)
{
    return QLatin1String(random.pick(kFirstNames)) + QLatin1Char(' ') +
           QLatin1String(random.pick(kLastNames));
}

QString gameName(Random &random)
{
    QString name =
        QLatin1String(random.pick(kAdjectives)) + QLatin1Char(' ') + QLatin1String(random.pick(kNouns));
    if (random.chance(45))
        name += QLatin1String(" of ") + QLatin1String(random.pick(kPlaces));
    if (random.chance(25))
        name = QLatin1String("The ") + name;
    return name + QLatin1String(random.pick(kSuffixes));
}

QString fileStem(const QString &name)
{
    QString stem;
    stem.reserve(name.size());
    for (const QChar c : name)
        if (c.isLetterOrNumber() && c.unicode() < 128)
            stem += c;
    return stem;
}

struct Game
{
    QString name;
    QString developer;
    QString publisher;
    QString designer;
    QString series;
    const char *platform = nullptr;
    int category = 0;
    int subGenre = 0;
    int year = 0;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void addKey(QByteArray &out, const char *key, const QString &value)
{
    out += key;
    out += '=';
    out += value.toUtf8();
    out += "\r\n";
}

QByteArray settingsFile(const QString &root)
{
    QByteArray out = "[Main]\r\n";
    addKey(out, "VADPath",
           QDir::fromNativeSeparators(root).endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
    out += "\r\n[Subfolders]\r\n";
    for (const char *category : kCategories)
        addKey(out, category, QString());
    out += "\r\n[Fields]\r\n";
    for (const char *field : kFields)
        addKey(out, field, QString());
    return out;
}

} // namespace

void inventGames(int games, int developers, unsigned seed, const std::function<bool(const InventedGame &)> &take)
{
    Random random(seed);
    QSet<QString> takenCompanies;
    QStringList developerNames;
    for (int i = 0; i < qMax(1, developers); ++i)
        developerNames << companyName(random, takenCompanies);
    QStringList publisherNames;
    for (int i = 0; i < qMax(1, developers / 4); ++i)
        publisherNames << companyName(random, takenCompanies);

    std::vector<Game> made;
    made.reserve(static_cast<size_t>(games));
    InventedGame invented;
    for (int n = 0; n < games; ++n) {
        const PlatformInfo *platformPick =
            &kPlatforms[static_cast<size_t>(random.below(static_cast<int>(kPlatforms.size())))];
        Game game;
        // About one game in five is another platform's copy of a game already in the library.
        const bool port = !made.empty() && random.chance(20);
        if (port) {
            game = made[static_cast<size_t>(random.below(static_cast<int>(made.size())))];
            while (qstrcmp(platformPick->platform, game.platform) == 0)
                platformPick =
                    &kPlatforms[static_cast<size_t>(random.below(static_cast<int>(kPlatforms.size())))];
            game.year += random.below(3);
        } else {
            game.name = gameName(random);
            game.developer = developerNames[random.skewedBelow(static_cast<int>(developerNames.size()))];
            game.publisher =
                random.chance(30)
                    ? game.developer
                    : publisherNames[random.skewedBelow(static_cast<int>(publisherNames.size()))];
            game.designer = personName(random);
            game.series = random.chance(30)
                              ? QString::fromLatin1(random.pick(kNouns)) + QLatin1String(" Saga")
                              : QString();
            game.category = random.below(static_cast<int>(kCategories.size()));
            game.subGenre =
                random.below(static_cast<int>(kGenres[static_cast<size_t>(game.category)].subGenres.size()));
            game.year =
                platformPick->firstYear + random.below(platformPick->lastYear - platformPick->firstYear + 1);
            game.platform = platformPick->platform;
            made.push_back(game);
        }
        const PlatformInfo &platform = *platformPick;
        const GenreInfo &genre = kGenres[static_cast<size_t>(game.category)];
        const QString stem = fileStem(game.name);
        invented.category = QLatin1String(kCategories[static_cast<size_t>(game.category)]);
        invented.folder = stem + QLatin1Char('-') + QString::number(n, 36);
        invented.iniFile = stem + QStringLiteral(".ini");
        invented.keys.clear();
        const auto set = [&invented](const char *key, const QString &value) {
            invented.keys.emplace_back(key, value);
        };

        const QString exe = stem.left(8).toUpper() + QLatin1String(platform.extension);
        const bool dosbox = qstrcmp(platform.emulator, "DOSBox") == 0;
        static const char *const kRatings[] = {"", "", "", "*", "**", "***", "****", "*****", "Love", "Hate"};
        set("Number", QString::number(n + 1));
        set("Name", game.name);
        set("Year", QString::number(game.year));
        set("Developer", game.developer);
        set("Publisher", game.publisher);
        set("Genre", QLatin1String(genre.genre));
        set("SubGenre", QLatin1String(genre.subGenres[static_cast<size_t>(game.subGenre)]));
        set("SubGenre2", random.chance(40) ? QLatin1String(random.pick(genre.subGenres)) : QString());
        set("Designer", game.designer);
        set("Designer2", random.chance(30) ? personName(random) : QString());
        set("Platform", QLatin1String(platform.platform));
        set("Series", game.series);
        set("Series2", QString());
        set("Rating", QLatin1String(kRatings[random.below(10)]));
        set("Emulator", QLatin1String(platform.emulator));
        set("Executable", exe);
        set("Setup", dosbox && random.chance(40) ? QStringLiteral("SETUP.EXE") : QString());
        set("DBConf/ScummID", dosbox ? stem.left(8).toLower() + QLatin1String(".conf") : QString());
        set("CustomEmuPath", QString());
        set("Manual", random.chance(50) ? stem + QLatin1String("-Manual.pdf") : QString());
        set("Front01", stem + QLatin1String("-front.jpg"));
        set("Back01", random.chance(50) ? stem + QLatin1String("-back.jpg") : QString());
        set("Title01", stem + QLatin1String("-title.png"));
        set("Screen01", stem + QLatin1String("-screen.png"));
        set("Media01", random.chance(40) ? stem + QLatin1String("-disk.png") : QString());
        set("Adv01", random.chance(10) ? stem + QLatin1String("-advert.jpg") : QString());
        set("About", stem + QLatin1String(".txt"));
        const int extras = random.below(4);
        static const char *const kExtraKeys[][2] = {{"Extra1", "ExtraLink1"},
                                                    {"Extra2", "ExtraLink2"},
                                                    {"Extra3", "ExtraLink3"},
                                                    {"Extra4", "ExtraLink4"},
                                                    {"Extra5", "ExtraLink5"}};
        static const char *const kExtraTitles[] = {"Map", "Reference Card", "Hint Book", "Soundtrack"};
        for (int e = 0; e < 5; ++e) {
            const bool used = e < extras;
            set(kExtraKeys[e][0], used ? QLatin1String(kExtraTitles[e]) : QString());
            set(kExtraKeys[e][1],
                   used ? stem + QLatin1Char('-') + QString::number(e + 1) + QLatin1String(".pdf") : QString());
        }
        set("OtherPlatform1", QString());
        set("OtherPlatformFile1", QString());
        if (!take(invented))
            return;
    }
}

bool generateLibrary(const QString &root, int games, int developers, unsigned seed)
{
    QDir rootDir(root);
    if (!rootDir.mkpath(QStringLiteral("Games")))
        return false;
    if (!writeFile(rootDir.filePath(QStringLiteral("PALLOX.ini")), settingsFile(root)))
        return false;
    const QString gamesFolder = rootDir.filePath(QStringLiteral("Games"));
    for (const char *category : kCategories)
        if (!QDir(gamesFolder).mkpath(QLatin1String(category)))
            return false;

    bool written = true;
    QDir dir;
    QByteArray ini;
    inventGames(games, developers, seed, [&](const InventedGame &game) {
        const QString gameFolder = gamesFolder + QLatin1Char('/') + game.category + QLatin1Char('/') + game.folder;
        const QString metaFolder = gameFolder + QStringLiteral("/Pallox");
        const QString iniFolder = metaFolder + QStringLiteral("/IniFile");
        if (!dir.mkdir(gameFolder) || !dir.mkdir(metaFolder) || !dir.mkdir(iniFolder))
            return written = false;
        ini.clear();
        ini += "[Main]\r\n";
        for (const auto &[key, value] : game.keys)
            addKey(ini, key, value);
        return written = writeFile(iniFolder + QLatin1Char('/') + game.iniFile, ini);
    });
    if (!written)
        return false;
#if defined(Q_OS_UNIX)
    // Tens of thousands of new files are still being written back when the timing starts; the
    // first fsync of the program (a cache or data file saved atomically) would wait for them.
    ::sync();
#endif
    return true;
}

QByteArray generatedSettings(const QString &root)
{
    return settingsFile(root);
}

GameTable generatedTable(int games, int developers, unsigned seed)
{
    GameTable table;
    const QStringList fields = generatedTableFields();
    table.setSize(static_cast<int>(fields.size()), 1);
    for (int c = 0; c < fields.size(); ++c)
        table.setCell(c, 0, fields[c]);
    QHash<QString, int> columnOf;
    // The scan reads every field from the game's file; a field the file lacks stays empty.
    for (int c = 0; c < fields.size(); ++c)
        columnOf.insert(fields[c], c);
    const QString date = QStringLiteral("2024-03-01 12:00");
    std::vector<QString> row(static_cast<size_t>(fields.size()));
    inventGames(games, developers, seed, [&](const InventedGame &game) {
        std::fill(row.begin(), row.end(), QString());
        for (const auto &[key, value] : game.keys) {
            const auto column = columnOf.constFind(QLatin1String(key));
            if (column != columnOf.constEnd())
                row[static_cast<size_t>(*column)] = value;
        }
        row[static_cast<size_t>(columnOf.value(QStringLiteral("Folder")))] = game.category;
        row[static_cast<size_t>(columnOf.value(QStringLiteral("Subfolder")))] = game.folder;
        row[static_cast<size_t>(columnOf.value(QStringLiteral("IniFile")))] = game.iniFile;
        row[static_cast<size_t>(columnOf.value(QStringLiteral("FolderDateCreated")))] = date;
        row[static_cast<size_t>(columnOf.value(QStringLiteral("FolderDateModified")))] = date;
        table.appendRow(row);
        return true;
    });
    return table;
}

QStringList generatedTableFields()
{
    QStringList names;
    for (const char *field : kFields)
        names << QString::fromUtf8(field);
    return names + appendedColumns();
}
