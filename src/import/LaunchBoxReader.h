#pragma once

#include "base/Result.h"
#include "import/ImportGame.h"

#include <QString>

#include <atomic>
#include <vector>

// The games of LaunchBox's data files, with their pictures, manuals, notes, extras and programs
// found below the LaunchBox folder.
namespace LaunchBoxReader {

// The LaunchBox folder a data file belongs to: the one above Data/ (Data/LaunchBox.xml) or above
// Data/Platforms/ (Data/Platforms/MS-DOS.xml); else the file's own folder, where our export's
// data files keep their Images folder.
QString launchBoxFolder(const QString &dataFile);

// Whether the folder is a LaunchBox folder: its Data folder holds LaunchBox's XML files.
bool isLaunchBoxFolder(const QString &folder);

// The games of one data file, or of every data file of a LaunchBox folder, in file order. Stops
// with Failure::Kind::Cancelled when `cancel` is set.
Result<std::vector<ImportGame>> read(const QString &source, const std::atomic<bool> *cancel = nullptr);

} // namespace LaunchBoxReader
