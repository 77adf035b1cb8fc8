#include "nostalgia/NostalgiaSkin.h"

#include "base/IniFile.h"
#include "library/LibraryPaths.h"

#include <QFileInfo>

namespace {

const QString SkinsSuffix = QStringLiteral("skins.ini");

// The era of a game with no usable year: the middle of the DOS years, where most of a typical
// collection lies.
constexpr int YearWithoutYear = 1990;

QRect readBox(const IniFile &file, const QString &section, const QString &prefix)
{
    const auto value = [&](const char *word) {
        return file.readInteger(section, prefix + QLatin1String(word), 100);
    };
    return QRect(value("Left"), value("Top"), value("Width"), value("Height"));
}

} // namespace

namespace NostalgiaSkin {

int widthBucket(int windowWidth)
{
    if (windowWidth <= 1000)
        return 800;
    if (windowWidth <= 1200)
        return 1000;
    if (windowWidth <= 1400)
        return 1200;
    if (windowWidth <= 1700)
        return 1400;
    return 1800;
}

// Collections write years they only half know: "198x", "199?", "1987-1989", "c. 1985". Refusing
// such a game its view would leave the user with the previous game's scene, so the year is read
// as far as it goes: the first run of digits, four of them taken as the year, three as the
// decade ("198x" is the 1980s and gets the 8086 era, whose machines that decade began with).
// A text without such digits ("Unknown") counts as no year at all.
int eraYear(const QString &yearText)
{
    int year = 0;
    if (IniFile::parseInteger(yearText, &year))
        return year;
    const QString text = yearText.trimmed();
    const auto isDigit = [&](qsizetype i) {
        return text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
    };
    qsizetype start = 0;
    while (start < text.size() && !isDigit(start))
        ++start;
    qsizetype end = start;
    while (end < text.size() && isDigit(end))
        ++end;
    const QStringView digits = QStringView(text).mid(start, end - start);
    if (digits.size() >= 4)
        return digits.left(4).toInt();
    if (digits.size() == 3)
        return digits.toInt() * 10;
    return YearWithoutYear;
}

QString dosEra(int year)
{
    if (year < 1983)
        return QStringLiteral("8086");
    if (year <= 1985)
        return QStringLiteral("286");
    if (year <= 1989)
        return QStringLiteral("386");
    if (year <= 1995)
        return QStringLiteral("486");
    return QStringLiteral("Pentium");
}

QString wantedFileName(const QString &platform, const QString &yearText)
{
    if (platform == QLatin1String("DOS"))
        return QStringLiteral("DOS") + dosEra(eraYear(yearText)) + SkinsSuffix;
    // A platform is a name, never a way out of the skins folder.
    if (platform.contains(QLatin1Char('/')) || platform.contains(QLatin1Char('\\')))
        return SkinsSuffix;
    return platform + SkinsSuffix;
}

QString defaultFile(const QString &skinsFolder)
{
    return LibraryPaths::resolve(LibraryPaths::join(skinsFolder, SkinsSuffix));
}

QString chooseFile(const QString &skinsFolder, const QString &platform, const QString &yearText)
{
    const QString wanted =
        LibraryPaths::resolve(LibraryPaths::join(skinsFolder, wantedFileName(platform, yearText)));
    return LibraryPaths::isRegularFile(wanted) ? wanted : defaultFile(skinsFolder);
}

QString picturePath(const QString &skinsFolder, const QString &name)
{
    if (name.trimmed().isEmpty())
        return QString();
    return LibraryPaths::resolve(LibraryPaths::join(skinsFolder, LibraryPaths::normalise(name)));
}

Result<void> usable(const IniFile &file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists() || info.size() == 0)
        return {};
    for (const char *section : {"Main", "Computer", "Background", "Manual", "BigScreen", "OpenBox", "Disk",
                                "Screen", "Title", "Front", "Back", "List", "Extras"}) {
        if (file.sectionExists(QLatin1String(section)))
            return {};
    }
    return Failure(Failure::Kind::NotSkinsFile, file.fileName());
}

} // namespace NostalgiaSkin

NostalgiaSkinValues NostalgiaSkinValues::read(const IniFile &file, int bucket)
{
    NostalgiaSkinValues v;
    v.fileName = file.fileName();
    v.bucket = bucket;
    const QString prefix = QString::number(bucket);
    const auto text = [&](const char *section, const char *key, const QString &fallback = QString()) {
        return file.readString(QLatin1String(section), QLatin1String(key), fallback);
    };
    const auto number = [&](const char *section, const char *word, int fallback) {
        return file.readInteger(QLatin1String(section), prefix + QLatin1String(word), fallback);
    };

    v.TransitionDelay = file.readInteger(QStringLiteral("Main"), QStringLiteral("TransitionDelay"), 3);
    v.computerImage = text("Computer", "Image");
    v.backgroundImage = text("Background", "Image");
    v.manualImage = text("Manual", "Image");
    v.manualHighlight = text("Manual", "Highlight");
    v.bigScreenImage = text("BigScreen", "Image");
    v.openBoxImage = text("OpenBox", "Image");
    v.diskImage = text("Disk", "Image");

    v.openBox = readBox(file, QStringLiteral("OpenBox"), prefix);
    v.computer = readBox(file, QStringLiteral("Computer"), prefix);
    v.screen = readBox(file, QStringLiteral("Screen"), prefix);
    v.title = readBox(file, QStringLiteral("Title"), prefix);
    v.manual = readBox(file, QStringLiteral("Manual"), prefix);
    v.front = readBox(file, QStringLiteral("Front"), prefix);
    v.back = readBox(file, QStringLiteral("Back"), prefix);

    v.listFont = file.readString(QStringLiteral("List"), prefix + QStringLiteral("Font"),
                                 QStringLiteral("Lucida Console"));
    v.listFontSize = number("List", "FontSize", 10);
    v.listWidth = number("List", "Width", 100);
    v.extrasTop = number("Extras", "Top", 100);
    v.extrasLeft = number("Extras", "Left", 100);
    v.extrasFont =
        file.readString(QStringLiteral("Extras"), prefix + QStringLiteral("Font"), QStringLiteral("Verdana"));
    v.extrasFontSize = number("Extras", "FontSize", 12);
    v.diskFontSize = number("Disk", "FontSize", 12);
    return v;
}
