#include "browse/DetailsLinks.h"

#include "library/LibraryPaths.h"

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

namespace DetailsLinks {

QString manualTarget(const QString &metadataFolder, const QString &manualFile)
{
    // Without a name the path would be the Manual folder itself, which the user never asked for.
    if (manualFile.trimmed().isEmpty())
        return {};
    return quoted(LibraryPaths::fileBelow(metadataFolder, QStringLiteral("Manual"), manualFile));
}

QString extraTarget(const QString &metadataFolder, const QString &link)
{
    if (link.trimmed().isEmpty())
        return {};
    const QString file = LibraryPaths::fileBelow(metadataFolder, QStringLiteral("Extras"), link);
    return quoted(LibraryPaths::isRegularFile(file) ? file : link);
}

} // namespace DetailsLinks
