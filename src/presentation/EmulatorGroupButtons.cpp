#include "presentation/EmulatorGroupButtons.h"

QString EmulatorGroupButtons::objectName(const QString &group)
{
    return QStringLiteral("btnEmus") + (group == QLatin1String("SEGA") ? QStringLiteral("Sega") : group);
}
