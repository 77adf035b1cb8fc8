#include "import/ImportSource.h"

#include "import/GameListReader.h"
#include "import/ImportXml.h"
#include "import/LaunchBoxReader.h"
#include "import/PlainFolderReader.h"

#include <QFileInfo>

namespace ImportSource {

Result<SourceKind> detect(const QString &path)
{
    using Kind = Failure::Kind;
    if (path.trimmed().isEmpty())
        return Failure(Kind::ImportNoSource);
    const QFileInfo info(path);
    if (info.isDir()) {
        if (LaunchBoxReader::isLaunchBoxFolder(path))
            return SourceKind::LaunchBox;
        if (!GameListReader::gameLists(path).isEmpty())
            return SourceKind::EmulationStation;
        return SourceKind::GameFolders;
    }
    if (!info.exists())
        return Failure(Kind::ImportSourceMissing, path);
    const QString root = ImportXml::rootElement(path);
    if (root == QLatin1String("LaunchBox"))
        return SourceKind::LaunchBox;
    if (root == QLatin1String("gameList"))
        return SourceKind::EmulationStation;
    // Read as what it most likely was meant to be, so that the user hears what is wrong with it.
    return info.fileName().compare(QLatin1String("gamelist.xml"), Qt::CaseInsensitive) == 0
               ? SourceKind::EmulationStation
               : SourceKind::LaunchBox;
}

Result<std::vector<ImportGame>> read(const SourceRequest &request, const std::atomic<bool> *cancel)
{
    SourceKind kind;
    if (request.kind) {
        kind = *request.kind;
    } else {
        Result<SourceKind> detected = detect(request.path);
        if (!detected)
            return std::move(detected).error();
        kind = *detected;
    }
    if (!QFileInfo::exists(request.path))
        return Failure(Failure::Kind::ImportSourceMissing, request.path);
    switch (kind) {
    case SourceKind::LaunchBox:
        return LaunchBoxReader::read(request.path, cancel);
    case SourceKind::EmulationStation:
        return GameListReader::read(request.path, cancel);
    case SourceKind::GameFolders:
        return PlainFolderReader::read(request.path, request.platform, request.emulator, cancel);
    }
    return std::vector<ImportGame>();
}

} // namespace ImportSource
