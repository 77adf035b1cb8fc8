// Skins files: any bytes give a skin whose every value is either read from the file or its
// default, and picture names never lead out of the skins folder.

#include "FuzzSupport.h"

#include "base/IniFile.h"
#include "nostalgia/NostalgiaSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const int width = 600 + input.byte() * 8;
    const QString platform = QString::fromUtf8(input.piece(24));
    const QString year = QString::fromUtf8(input.piece(8));
    const IniFile file = IniFile::fromBytes(input.rest());
    const int bucket = NostalgiaSkin::widthBucket(width);
    FUZZ_CHECK(bucket == 800 || bucket == 1000 || bucket == 1200 || bucket == 1400 || bucket == 1800);
    const NostalgiaSkinValues skin = NostalgiaSkinValues::read(file, bucket);
    FUZZ_CHECK(skin.bucket == bucket);

    const QString folder = QStringLiteral("/skins");
    const QString wanted = NostalgiaSkin::wantedFileName(platform, year);
    FUZZ_CHECK(!wanted.contains(QLatin1Char('/')) && !wanted.contains(QLatin1Char('\\')));
    const QString chosen = NostalgiaSkin::chooseFile(folder, platform, year);
    FUZZ_CHECK(chosen.startsWith(folder + QLatin1Char('/')));
    return 0;
}
