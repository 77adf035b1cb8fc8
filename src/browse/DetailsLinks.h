#pragma once

#include <QString>

// What the manual and extra labels of the details hand to the shell. Both are texts for the
// shell's program argument; an empty text means there is nothing to open.
namespace DetailsLinks {

// The manual file below the record's metadata folder, quoted. Whether it exists is the desktop's
// business: it says so in its own way.
QString manualTarget(const QString &metadataFolder, const QString &manualFile);

// A link naming a file of the record's Extras folder opens that file; anything else (a web
// address, a full path, a document the desktop knows) goes to the shell as it stands. Quoted.
QString extraTarget(const QString &metadataFolder, const QString &link);

} // namespace DetailsLinks
