// DOSBox configuration files: any file loads, and saving what was loaded and loading it again
// gives the same keys and autoexec lines.

#include "FuzzSupport.h"

#include "dosboxconf/DOSBoxConfFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = fuzzFile(bytes, ".conf");
    const Result<DOSBoxConf> first = DOSBoxConfFile::load(path);
    if (!first)
        return 0;
    FUZZ_CHECK(DOSBoxConfFile::save(path, *first).has_value());
    const Result<DOSBoxConf> second = DOSBoxConfFile::load(path);
    FUZZ_CHECK(second.has_value());
    FUZZ_CHECK(second->values == first->values);
    FUZZ_CHECK(second->autoexec == first->autoexec);
    return 0;
}
