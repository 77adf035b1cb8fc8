#include "platform/CommandLine.h"

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QStringList splitCommandLine(const QString &parameters)
{
    QStringList arguments;
    QString current;
    // An argument exists once anything belongs to it, even a pair of quotes around nothing.
    bool inArgument = false;
    bool inQuotes = false;
    const qsizetype length = parameters.size();
    qsizetype i = 0;
    while (i < length) {
        const QChar c = parameters.at(i);
        if (!inQuotes && isBlank(c)) {
            if (inArgument) {
                arguments.append(current);
                current.clear();
                inArgument = false;
            }
            ++i;
            continue;
        }
        inArgument = true;
        if (c == QLatin1Char('\\')) {
            qsizetype backslashes = 0;
            while (i < length && parameters.at(i) == QLatin1Char('\\')) {
                ++backslashes;
                ++i;
            }
            if (i < length && parameters.at(i) == QLatin1Char('"')) {
                current.append(QString(backslashes / 2, QLatin1Char('\\')));
                if (backslashes % 2 == 1) {
                    current.append(QLatin1Char('"'));
                    ++i;
                }
                // With an even count the quote is left for the next round, where it toggles.
            } else {
                current.append(QString(backslashes, QLatin1Char('\\')));
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            if (inQuotes && i + 1 < length && parameters.at(i + 1) == QLatin1Char('"')) {
                current.append(QLatin1Char('"'));
                i += 2;
                continue;
            }
            inQuotes = !inQuotes;
            ++i;
            continue;
        }
        current.append(c);
        ++i;
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

QString unquoteProgram(const QString &program)
{
    const QString trimmed = program.trimmed();
    if (!trimmed.startsWith(QLatin1Char('"')))
        return trimmed;
    const qsizetype closing = trimmed.indexOf(QLatin1Char('"'), 1);
    if (closing < 0)
        return trimmed.mid(1);
    // Anything after the closing quote is kept: dropping it would start some other program.
    return trimmed.mid(1, closing - 1) + trimmed.mid(closing + 1);
}

QString quoteArgument(const QString &argument)
{
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        if (isBlank(c) || c == QLatin1Char('"') || c == QLatin1Char('\n')
            || c == QLatin1Char('\r')) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return argument;

    QString quoted;
    quoted.reserve(argument.size() + 2);
    quoted.append(QLatin1Char('"'));
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        if (c == QLatin1Char('"')) {
            // Every backslash before a quote is doubled, then one more escapes the quote.
            quoted.append(QString(backslashes * 2 + 1, QLatin1Char('\\')));
            quoted.append(QLatin1Char('"'));
        } else {
            quoted.append(QString(backslashes, QLatin1Char('\\')));
            quoted.append(c);
        }
        backslashes = 0;
    }
    // The closing quote must not be escaped by backslashes that end the argument.
    quoted.append(QString(backslashes * 2, QLatin1Char('\\')));
    quoted.append(QLatin1Char('"'));
    return quoted;
}
