#pragma once

#include <QString>

// Test texts are written as UTF-8 literals, non-ASCII names included.
inline QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
