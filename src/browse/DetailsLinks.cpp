#include "browse/DetailsLinks.h"

#include "library/LibraryPaths.h"

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString fileBelow(const QString &metadataFolder, const QString &subfolder, const QString &name)
{
    return LibraryPaths::resolve(LibraryPaths::join(LibraryPaths::join(metadataFolder, subfolder), name));
}

} // namespace

namespace DetailsLinks {

QString manualTarget(const QString &metadataFolder, const QString &manualFile)
{
    // Without a name the path would be the Manual folder itself, which the user never asked for.
    if (manualFile.trimmed().isEmpty())
        return {};
    return quoted(fileBelow(metadataFolder, QStringLiteral("Manual"), manualFile));
}

QString extraTarget(const QString &metadataFolder, const QString &link)
{
    if (link.trimmed().isEmpty())
        return {};
    const QString file = fileBelow(metadataFolder, QStringLiteral("Extras"), link);
    return quoted(LibraryPaths::isRegularFile(file) ? file : link);
}

} // namespace DetailsLinks
