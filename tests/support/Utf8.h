#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

// Test texts are written as UTF-8 literals, non-ASCII names included.
inline QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

inline QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(u(text));
    return list;
}
