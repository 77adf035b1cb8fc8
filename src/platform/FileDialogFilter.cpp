#include "platform/FileDialogFilter.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The patterns of one "Description (*.a *.b)" filter, lower-cased.
[[maybe_unused]] QStringList patternsOf(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return {};
    return filter.mid(open + 1, close - open - 1)
        .toLower()
        .split(QRegularExpression(QStringLiteral("[\\s;]+")), Qt::SkipEmptyParts);
}

} // namespace

QString fileDialogFilter(const QString &filter)
{
    QStringList filters;
    if (filter.contains(QLatin1Char('|'))) {
        const QStringList parts = filter.split(QLatin1Char('|'));
        for (qsizetype i = 0; i < parts.size(); i += 2) {
            const QString description = parts.at(i).trimmed();
            const QString patterns = i + 1 < parts.size() ? parts.at(i + 1).trimmed() : QString();
            if (description.contains(QLatin1Char('(')) || patterns.isEmpty())
                filters.append(description);
            else
                filters.append(description + QStringLiteral(" (")
                               + QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' '))
                               + QLatin1Char(')'));
        }
    } else {
        filters = filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    }

#ifndef Q_OS_WIN
    bool hasAll = false;
    bool programsOnly = !filters.isEmpty();
    for (const QString &one : std::as_const(filters)) {
        const QStringList patterns = patternsOf(one);
        if (patterns.contains(QStringLiteral("*")))
            hasAll = true;
        if (patterns != QStringList{QStringLiteral("*.exe")})
            programsOnly = false;
    }
    if (programsOnly && !hasAll)
        filters.append(QStringLiteral("All files (*)"));
#endif
    return filters.join(QStringLiteral(";;"));
}
