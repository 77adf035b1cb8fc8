#pragma once

class ScanObserver;
class SettingsFile;
struct LibraryState;

// How start-up came by its game table.
enum class TableSource { Cache, Scan, ScanAfterDamagedCache };

// Loads the table from the data cache when there is one, otherwise scans the library. A cache
// that cannot be read or is damaged is reported and replaced by a fresh scan, so that a bad file
// never leaves the user with an empty or half-filled list.
TableSource loadGameTableAtStartup(LibraryState &state, SettingsFile &settings, ScanObserver &observer);
