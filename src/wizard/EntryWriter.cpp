#include "wizard/EntryWriter.h"

#include "app/IniFile.h"
#include "app/TextCodec.h"
#include "library/LibraryPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>


namespace EntryWriter {

namespace {

const QString &mainSection()
{
    static const QString section = QStringLiteral("Main");
    return section;
}

QString shown(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

WriteResult unableToWrite(const QString &fileName)
{
    return {false, QStringLiteral("Unable to write to %1").arg(shown(fileName))};
}

WriteResult refused(const QString &text)
{
    return {false, text};
}

bool readWhole(const QString &fileName, QByteArray *bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool replaceFile(const QString &fileName, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

QStringList keysOf(const KeyValues &keys, const std::vector<size_t> &indices)
{
    QStringList names;
    for (const size_t i : indices)
        names.append(keys[i].first);
    return names;
}

} // namespace

WriteResult writeKeys(const QString &fileName, const KeyValues &keys)
{
    if (keys.empty())
        return {true, QString()};
    const bool existed = QFileInfo(fileName).exists();
    QByteArray original;
    if (existed && (!LibraryPaths::isRegularFile(fileName) || !readWhole(fileName, &original)))
        return unableToWrite(fileName);

    // Lines we do not touch keep their bytes, so a file in Windows-1252 stays in it; a value it
    // cannot hold would come back as question marks, and the user would not know until later.
    if (existed && TextCodec::decode(original).encoding == TextEncoding::Windows1252) {
        std::vector<size_t> unfit;
        for (size_t i = 0; i < keys.size(); ++i) {
            const QByteArray encoded = TextCodec::encode(keys[i].second, TextEncoding::Windows1252);
            if (TextCodec::decodeWindows1252(encoded.constData(), encoded.size()) != keys[i].second)
                unfit.push_back(i);
        }
        if (!unfit.empty())
            return refused(QStringLiteral("%1 is written in the Windows-1252 code page, which cannot hold some "
                                          "characters of these fields: %2.\n\nNothing was saved. Change those "
                                          "characters, or save the game as a new file.")
                               .arg(shown(fileName), keysOf(keys, unfit).join(QStringLiteral(", "))));
    }

    // The keys follow the rules every ini file of the program follows, in memory, so that the file
    // itself is replaced once, with all of them or none.
    std::vector<IniFile::Edit> edits;
    for (const auto &[key, value] : keys)
        edits.push_back({mainSection(), key, value});
    const QByteArray updated = IniFile::withValues(original, edits);
    QString reason;

    // Whatever else could make a value read back otherwise (text that turns the file into valid
    // UTF-8, say) is caught here, before the file changes.
    const IniFile check = IniFile::fromBytes(updated);
    std::vector<size_t> changed;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (check.readString(mainSection(), keys[i].first, QString()) != keys[i].second)
            changed.push_back(i);
    }
    if (!changed.empty())
        return refused(QStringLiteral("These fields would not read back from %1 as they are shown: %2.\n\n"
                                      "Nothing was saved.")
                           .arg(shown(fileName), keysOf(keys, changed).join(QStringLiteral(", "))));

    if (existed && updated == original)
        return {true, QString()};
    if (!replaceFile(fileName, updated, &reason))
        return unableToWrite(fileName);
    return {true, QString()};
}

KeyValues gameKeys(const GameEntry &entry)
{
    KeyValues keys;
    keys.reserve(entryFields().size());
    for (const EntryFieldInfo &info : entryFields())
        keys.emplace_back(QLatin1String(info.key), storableValue(entry[info.field]));
    return keys;
}

GameEntry storedEntry(const GameEntry &entry)
{
    GameEntry stored = entry;
    for (QString &value : stored.values)
        value = storableValue(value);
    return stored;
}

QStringList metadataSubfolders()
{
    return {QStringLiteral("About"),  QStringLiteral("IniFile"), QStringLiteral("Front"),
            QStringLiteral("Back"),   QStringLiteral("Screen"),  QStringLiteral("Title"),
            QStringLiteral("Media"),  QStringLiteral("Advert"),  QStringLiteral("Manual"),
            QStringLiteral("Extras"), QStringLiteral("Platforms")};
}

QString defaultFoldersRefusal(const QString &gameFolder, const QString &iniName)
{
    if (iniName.trimmed().isEmpty())
        return QStringLiteral("Ini File Name field left blank.");
    // The name becomes one file in the IniFile folder: a separator would put it elsewhere, and
    // the other characters are ones Windows refuses, where the library may be taken next.
    static const QString reserved = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : iniName) {
        if (reserved.contains(c) || c.unicode() < 0x20)
            return QStringLiteral("The ini file name cannot hold any of these characters: \\ / : * ? \" < > | "
                                  "or a line break.");
    }
    if (gameFolder.isEmpty())
        return QStringLiteral("Cancelled");
    return QString();
}

void createMetadataFolders(const QString &gameFolder)
{
    const QDir game(gameFolder);
    game.mkdir(QStringLiteral("Pallox"));
    const QDir metadata(game.filePath(QStringLiteral("Pallox")));
    for (const QString &name : metadataSubfolders())
        metadata.mkdir(name);
}

QString blankIniFile(const QString &gameFolder, const QString &iniName)
{
    return QDir(gameFolder).filePath(QStringLiteral("Pallox/IniFile/") + iniName + QStringLiteral(".ini"));
}

QString blankIniQuestion(const QString &iniFile, const QStringList &fieldKeys)
{
    if (fieldKeys.isEmpty() || !QFileInfo::exists(iniFile))
        return QString();
    return QStringLiteral("%1 already exists. Empty every field of it that the field list names?")
        .arg(QDir::toNativeSeparators(iniFile));
}

WriteResult writeBlankIni(const QString &fileName, const QStringList &fieldKeys)
{
    KeyValues keys;
    keys.reserve(size_t(fieldKeys.size()));
    for (const QString &key : fieldKeys)
        keys.emplace_back(key, QString());
    return writeKeys(fileName, keys);
}

QString aboutRefusal(const QString &aboutName, const QString &aboutText)
{
    if (aboutName.isEmpty())
        return QStringLiteral("No About Name Given");
    if (aboutText.isEmpty())
        return QStringLiteral("No About Body Given");
    return QString();
}

WriteResult writeAboutFile(const QString &fileName, const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    lines += QStringLiteral("\r\n");
    QString reason;
    if (!replaceFile(fileName, lines.toUtf8(), &reason))
        return {false, QStringLiteral("Unable to write to %1\n\n%2").arg(shown(fileName), reason)};
    return {true, QString()};
}

} // namespace EntryWriter
