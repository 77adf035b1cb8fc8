#include "support/LibraryBuilder.h"

#include "support/Files.h"

#include <QDir>

LibraryBuilder::LibraryBuilder() : m_fields(defaultFields()) {}

QString LibraryBuilder::root() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString LibraryBuilder::settingsFile() const
{
    return root() + QStringLiteral("PALLOX.ini");
}

QString LibraryBuilder::path(const QString &relative) const
{
    return root() + relative;
}

QStringList LibraryBuilder::defaultFields()
{
    QStringList fields{QStringLiteral("Number"),    QStringLiteral("Name"),          QStringLiteral("Year"),
                       QStringLiteral("Developer"), QStringLiteral("Publisher"),     QStringLiteral("Genre"),
                       QStringLiteral("SubGenre"),  QStringLiteral("SubGenre2"),     QStringLiteral("Designer"),
                       QStringLiteral("Designer2"), QStringLiteral("Platform"),      QStringLiteral("Series"),
                       QStringLiteral("Series2"),   QStringLiteral("Manual"),        QStringLiteral("Executable"),
                       QStringLiteral("DBConf/ScummID"), QStringLiteral("Emulator"), QStringLiteral("Setup"),
                       QStringLiteral("Front01"),   QStringLiteral("Back01"),        QStringLiteral("Media01"),
                       QStringLiteral("Screen01"),  QStringLiteral("Title01")};
    for (int i = 1; i <= 5; ++i)
        fields.append(QStringLiteral("Extra%1").arg(i));
    for (int i = 1; i <= 5; ++i)
        fields.append(QStringLiteral("ExtraLink%1").arg(i));
    fields << QStringLiteral("About") << QStringLiteral("Folder") << QStringLiteral("Subfolder");
    return fields;
}

LibraryBuilder &LibraryBuilder::setSubfolders(const QStringList &categories)
{
    m_subfolders = categories;
    return *this;
}

LibraryBuilder &LibraryBuilder::setFields(const QStringList &fields)
{
    m_fields = fields;
    return *this;
}

LibraryBuilder &LibraryBuilder::setMainKey(const QString &key, const QString &value)
{
    m_mainKeys.emplace_back(key, value);
    return *this;
}

void LibraryBuilder::writeSettings() const
{
    QByteArray text = "[Main]\r\n";
    bool rootGiven = false;
    for (const auto &[key, value] : m_mainKeys) {
        rootGiven = rootGiven || key.compare(QLatin1String("VADPath"), Qt::CaseInsensitive) == 0;
        text += (key + QLatin1Char('=') + value).toUtf8() + "\r\n";
    }
    if (!rootGiven)
        text += "VADPath=" + root().toUtf8() + "\r\n";
    text += "\r\n[Subfolders]\r\n";
    for (const QString &category : m_subfolders)
        text += category.toUtf8() + "=\r\n";
    text += "\r\n[Fields]\r\n";
    for (const QString &field : m_fields)
        text += field.toUtf8() + "=\r\n";
    writeFile(QStringLiteral("PALLOX.ini"), text);
}

QString LibraryBuilder::addCategory(const QString &category) const
{
    const QString folder = root() + QStringLiteral("Games/") + category;
    QDir().mkpath(folder);
    return folder;
}

QString LibraryBuilder::addGameFolder(const QString &category, const QString &game) const
{
    const QString folder = addCategory(category) + QLatin1Char('/') + game;
    QDir().mkpath(folder + QStringLiteral("/Pallox/IniFile"));
    return folder;
}

QByteArray LibraryBuilder::iniBytes(const Keys &keys)
{
    QByteArray text = "[Main]\r\n";
    for (const auto &[key, value] : keys)
        text += (key + QLatin1Char('=') + value).toUtf8() + "\r\n";
    return text;
}

QString LibraryBuilder::addGameIni(const QString &category, const QString &game, const QString &iniName,
                                   const Keys &keys) const
{
    addGameFolder(category, game);
    return writeFile(QStringLiteral("Games/%1/%2/Pallox/IniFile/%3").arg(category, game, iniName), iniBytes(keys));
}

QString LibraryBuilder::addGame(const QString &category, const QString &game, const QString &name,
                                const Keys &extra, const QString &iniName) const
{
    Keys keys{{QStringLiteral("Name"), name}};
    keys.insert(keys.end(), extra.begin(), extra.end());
    return addGameIni(category, game, iniName, keys);
}

QString LibraryBuilder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString file = path(relative);
    ::writeFile(file, bytes);
    return file;
}
