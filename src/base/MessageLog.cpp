#include "base/MessageLog.h"

#include <QDebug>

void logShownMessage(const char *kind, const QString &text)
{
    QString line;
    line.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            line += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            line += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            line += QStringLiteral("\\r");
        else
            line += c;
    }
    qInfo().noquote().nospace() << "pallox: " << kind << ": " << line;
}
