// Picture files of the library: any bytes give a thumbnail of the size asked for or none.

#include "FuzzSupport.h"

#include "browse/PngThumbnail.h"

#include <QImage>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QSize wanted(1 + input.byte() % 64, 1 + input.byte() % 64);
    const QImage image = PngThumbnail::decode(input.rest(), wanted);
    FUZZ_CHECK(image.isNull() || image.size() == wanted);
    return 0;
}
