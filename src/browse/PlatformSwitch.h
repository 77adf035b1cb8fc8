#pragma once

#include <QString>

class GameTable;

// The record of `gameName` stored for `system` (both compared exactly), or 0 when the table holds
// none. Of several such records the last one counts: it is the one that stays on screen when a
// click shows every match in turn.
int FindOtherPlatform(const GameTable &table, const QString &gameName, const QString &system);
