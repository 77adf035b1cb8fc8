// Colour and font style texts from a hand-edited settings file: any text reads as a colour or
// is refused, every colour written reads back as itself, and a style text reads as a set that
// writes back as the canonical spelling of that set.

#include "FuzzSupport.h"

#include "base/ColorText.h"
#include "base/FontStyleText.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    quint32 bits = 0;
    for (int i = 0; i < 4; ++i)
        bits = (bits << 8) | input.byte();
    const auto value = static_cast<ColorValue>(bits);
    ColorValue back = 0;
    FUZZ_CHECK(StringToColor(ColorToString(value), &back));
    FUZZ_CHECK(back == value);

    const QString text = QString::fromUtf8(input.rest());
    ColorValue read = 0;
    if (StringToColor(text, &read)) {
        ColorValue again = 0;
        FUZZ_CHECK(StringToColor(ColorToString(read), &again) && again == read);
    }
    const FontStyles styles = StrtoFontStyle(text);
    FUZZ_CHECK(StrtoFontStyle(FontStyletoStr(styles)) == styles);
    return 0;
}
