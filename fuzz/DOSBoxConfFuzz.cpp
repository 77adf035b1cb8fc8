// DOSBox configuration files: any file loads, and saving what was loaded and loading it again
// gives the same keys and autoexec lines.

#include "FuzzSupport.h"

#include "dosboxconf/DOSBoxConfFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = fuzzFile(bytes, ".conf");
    const DOSBoxConfFile::LoadResult first = DOSBoxConfFile::load(path);
    if (!first.error.isEmpty())
        return 0;
    FUZZ_CHECK(DOSBoxConfFile::save(path, first.conf).isEmpty());
    const DOSBoxConfFile::LoadResult second = DOSBoxConfFile::load(path);
    FUZZ_CHECK(second.error.isEmpty());
    FUZZ_CHECK(second.conf.values == first.conf.values);
    FUZZ_CHECK(second.conf.autoexec == first.conf.autoexec);
    return 0;
}
