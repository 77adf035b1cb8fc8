// LaunchBox data files: any file loads or is refused with a sentence, and one that loads saves
// and loads again.

#include "FuzzSupport.h"

#include "export/LaunchBoxDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    LaunchBoxDocument document;
    if (!document.load(fuzzFile(bytes, ".xml")))
        return 0;
    document.append("Game", {{"Title", QStringLiteral("A <game> & \"more\"")}, {"Notes", QString()}});
    const QString saved = fuzzFile(QByteArray(), "-saved.xml");
    FUZZ_CHECK(document.save(saved).has_value());
    LaunchBoxDocument again;
    FUZZ_CHECK(again.load(saved).has_value());
    return 0;
}
