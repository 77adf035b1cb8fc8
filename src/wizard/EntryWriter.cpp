#include "wizard/EntryWriter.h"

#include "base/IniFile.h"
#include "base/TextCodec.h"
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

Result<void> writeKeys(const QString &fileName, const KeyValues &keys)
{
    if (keys.empty())
        return {};
    const bool existed = QFileInfo(fileName).exists();
    QByteArray original;
    if (existed && (!LibraryPaths::isRegularFile(fileName) || !readWhole(fileName, &original)))
        return Failure(Failure::Kind::UnableToWrite, fileName);

    // Lines we do not touch keep their bytes, so a file in Windows-1252 stays in it; a value it
    // cannot hold would come back as question marks, and the user would not know until later.
    if (existed && TextCodec::decode(original).encoding == TextEncoding::Windows1252) {
        std::vector<size_t> unfit;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (!TextCodec::canEncode(keys[i].second, TextEncoding::Windows1252))
                unfit.push_back(i);
        }
        if (!unfit.empty())
            return Failure(Failure::Kind::FieldsUnfitForCodePage, fileName)
                .with(Failure::Fact::Keys, keysOf(keys, unfit));
    }

    // The keys follow the rules every ini file of the program follows, in memory, so that the file
    // itself is replaced once, with all of them or none.
    std::vector<IniFile::Edit> edits;
    for (const auto &[key, value] : keys)
        edits.push_back({mainSection(), key, value});
    const Result<QByteArray> rewritten = IniFile::withValues(original, edits);
    if (!rewritten) {
        // Only a key name could still be what the file cannot hold.
        QStringList names;
        for (const Failure &key : rewritten.error().causes())
            names += key.facts(Failure::Fact::Key);
        return Failure(Failure::Kind::FieldsUnfitForCodePage, fileName).with(Failure::Fact::Keys, names);
    }
    const QByteArray &updated = *rewritten;

    // Whatever else could make a value read back otherwise (text that turns the file into valid
    // UTF-8, say) is caught here, before the file changes.
    const IniFile check = IniFile::fromBytes(updated);
    std::vector<size_t> changed;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (check.readString(mainSection(), keys[i].first, QString()) != keys[i].second)
            changed.push_back(i);
    }
    if (!changed.empty())
        return Failure(Failure::Kind::FieldsWouldNotReadBack, fileName)
            .with(Failure::Fact::Keys, keysOf(keys, changed));

    if (existed && updated == original)
        return {};
    QString reason;
    if (!replaceFile(fileName, updated, &reason))
        return Failure(Failure::Kind::UnableToWrite, fileName);
    return {};
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

Result<void> canCreateDefaultFolders(const QString &gameFolder, const QString &iniName)
{
    if (iniName.trimmed().isEmpty())
        return Failure(Failure::Kind::IniNameBlank);
    // The name becomes one file in the IniFile folder: a separator would put it elsewhere, and
    // the other characters are ones Windows refuses, where the library may be taken next.
    static const QString reserved = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : iniName) {
        if (reserved.contains(c) || c.unicode() < 0x20)
            return Failure(Failure::Kind::IniNameUnfit, iniName);
    }
    if (gameFolder.isEmpty())
        return Failure(Failure::Kind::Cancelled);
    return {};
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

Result<void> writeBlankIni(const QString &fileName, const QStringList &fieldKeys)
{
    KeyValues keys;
    keys.reserve(size_t(fieldKeys.size()));
    for (const QString &key : fieldKeys)
        keys.emplace_back(key, QString());
    return writeKeys(fileName, keys);
}

Result<void> canWriteAbout(const QString &aboutName, const QString &aboutText)
{
    if (aboutName.isEmpty())
        return Failure(Failure::Kind::AboutNameBlank);
    if (aboutText.isEmpty())
        return Failure(Failure::Kind::AboutBodyBlank);
    return {};
}

Result<void> writeAboutFile(const QString &fileName, const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    lines += QStringLiteral("\r\n");
    QString reason;
    if (!replaceFile(fileName, lines.toUtf8(), &reason))
        return Failure(Failure::Kind::UnableToWrite, fileName, reason);
    return {};
}

} // namespace EntryWriter
