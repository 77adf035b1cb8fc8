#include "dosboxconf/DOSBoxConfForm.h"

#include "dosboxconf/DOSBoxConfKeys.h"

#include <QFileInfo>

namespace DOSBoxConfForm {

QStringList valueNamesOf(const ConfKey &key)
{
    if (key.kind == ConfKind::Priority)
        return {key.name, DOSBoxConfKeys::priorityNonFocused()};
    return {key.name};
}

DOSBoxConf startUp()
{
    DOSBoxConf conf;
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        for (const QString &name : valueNamesOf(key))
            conf.values.insert(name, key.startValue);
    }
    return conf;
}

bool takesInput(const ConfKey &key, bool uses074Names)
{
    return key.lineIn074 || !uses074Names;
}

bool ticked(const QString &value)
{
    return value == QLatin1String("true");
}

QString switchValue(bool ticked)
{
    return ticked ? QStringLiteral("true") : QStringLiteral("false");
}

QString loadFolder(const QString &loadedFile)
{
    return loadedFile.isEmpty() ? QString() : QFileInfo(loadedFile).absolutePath();
}

Result<void> canSave(const QString &fileName)
{
    if (fileName.trimmed().isEmpty())
        return Failure(Failure::Kind::ConfFileNameBlank);
    return {};
}

} // namespace DOSBoxConfForm
