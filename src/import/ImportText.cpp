#include "import/ImportText.h"

#include "import/SourcePaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace ImportText {

QString cleanName(const QString &title)
{
    QString name;
    name.reserve(title.size());
    bool blank = false;
    for (const QChar c : title) {
        if (c.isSpace() || c.category() == QChar::Other_Control) {
            blank = !name.isEmpty();
            continue;
        }
        if (blank)
            name.append(u' ');
        blank = false;
        name.append(c);
    }
    return name;
}

QString yearOf(const QString &date)
{
    const QString text = date.trimmed();
    if (text.size() < 4)
        return QString();
    for (int i = 0; i < 4; ++i) {
        if (!text.at(i).isDigit() || text.at(i).unicode() > 0x7F)
            return QString();
    }
    if (text.size() > 4 && text.at(4).isDigit() && text.size() < 8)
        return QString();
    return text.left(4);
}

QString stars(int count)
{
    return count < 1 ? QString() : QString(qMin(count, 5), QLatin1Char('*'));
}

QString folderName(const QString &name)
{
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    QString folder;
    folder.reserve(name.size());
    for (const QChar c : name)
        folder.append(refused.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F ? QChar(u'_') : c);
    while (!folder.isEmpty() && (folder.endsWith(u' ') || folder.endsWith(u'.')))
        folder.chop(1);
    while (folder.startsWith(u' '))
        folder.remove(0, 1);
    // Most file systems take 255 bytes of a name; a long title keeps its start.
    while (folder.toUtf8().size() > 200)
        folder.chop(1);
    if (folder.isEmpty() || folder == QLatin1String(".") || folder == QLatin1String(".."))
        return QStringLiteral("_");
    return folder;
}

bool saysSetup(const QString &name)
{
    return name.contains(QLatin1String("setup"), Qt::CaseInsensitive) ||
           name.contains(QLatin1String("install"), Qt::CaseInsensitive);
}

QStringList programsIn(SourcePaths &paths, const QString &folder)
{
    QStringList programs;
    for (const QString &name : paths.entries(folder)) {
        const QString suffix = QFileInfo(name).suffix().toLower();
        if (suffix != QLatin1String("exe") && suffix != QLatin1String("com") && suffix != QLatin1String("bat"))
            continue;
        if (QFileInfo(folder + QLatin1Char('/') + name).isFile())
            programs << name;
    }
    std::stable_partition(programs.begin(), programs.end(), [](const QString &name) { return !saysSetup(name); });
    return programs;
}

QString setupAmong(const QStringList &programs)
{
    for (const QString &program : programs) {
        if (saysSetup(program))
            return program;
    }
    return QString();
}

QString relativePath(const QString &folder, const QString &path)
{
    if (folder.isEmpty() || path.isEmpty())
        return QString();
    const QString base = QDir::cleanPath(folder);
    const QString full = QDir::cleanPath(path);
    const QString prefix = base.endsWith(u'/') ? base : base + QLatin1Char('/');
    if (!full.startsWith(prefix))
        return QString();
    return full.mid(prefix.size());
}

} // namespace ImportText
