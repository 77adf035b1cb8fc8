#pragma once

#include <QString>

// The Config tab's buttons of the emulator groups, one for each of EmulatorRegistry::groups().
namespace EmulatorGroupButtons {

// btnEmusPC … btnEmusOther: named after the group, SEGA's written as a word.
QString objectName(const QString &group);

} // namespace EmulatorGroupButtons
