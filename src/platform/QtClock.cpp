#include "platform/QtClock.h"

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}
