#include "dosboxconf/DOSBoxConfKeys.h"

#include <QHash>

namespace {

QString s(const char *text)
{
    return QString::fromLatin1(text);
}

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(s(text));
    return result;
}

QStringList numbers(int first, int last, int step)
{
    QStringList result;
    for (int n = first; n <= last; n += step)
        result.append(QString::number(n));
    return result;
}

ConfKey key(const char *section, const char *name, ConfKind kind, const char *loadDefault,
            QStringList choices = {}, const char *startValue = "")
{
    ConfKey k;
    k.section = s(section);
    k.key = s(name);
    k.name = k.section + QLatin1Char('/') + k.key;
    k.kind = kind;
    k.loadDefault = s(loadDefault);
    k.choices = std::move(choices);
    k.startValue = s(startValue);
    return k;
}

ConfKey option(const char *section, const char *name)
{
    return key(section, name, ConfKind::Switch, "", {}, "false");
}

// A key that DOSBox 0.74 names `alias`; without a line of its own there when it shares that
// name with the key before it or has none.
ConfKey in074(ConfKey k, const char *alias, bool lineOfItsOwn = true)
{
    k.alias = s(alias);
    k.lineIn074 = lineOfItsOwn;
    return k;
}

std::vector<ConfKey> buildKeys()
{
    using K = ConfKind;
    const QStringList resolutions =
        list({"320x240", "640x480", "800x600", "1024x768", "1280x1024", "original"});
    const QStringList priorities = list({"lowest", "lower", "normal", "higher", "highest", "pause"});
    const QStringList rates = list({"11025", "22050", "44100"});
    const QStringList ports = list({"210", "220", "240", "260", "280"});
    const QStringList irqs = list({"3", "5", "7", "10", "11"});
    const QStringList dmas = list({"0", "1", "3"});
    QStringList cycles = list({"auto", "max"});
    cycles << numbers(500, 5000, 500) << numbers(11000, 20000, 1000);

    return {
        option("sdl", "fullscreen"),
        option("sdl", "fulldouble"),
        option("sdl", "autolock"),
        key("sdl", "fullresolution", K::Text, "", resolutions, "original"),
        key("sdl", "windowresolution", K::Text, "", resolutions, "original"),
        key("sdl", "output", K::Text, "", list({"surface", "overlay", "opengl", "openglnb", "ddraw"}),
            "surface"),
        in074(key("sdl", "hwscale", K::Text, "", list({"1.00", "2.00", "3.00"}), "1.00"), "", false),
        key("sdl", "sensitivity", K::Sensitivity, "100", {}, "100"),
        key("sdl", "priority", K::Priority, "", priorities, "normal"),
        option("sdl", "waitonerror"),
        key("sdl", "mapperfile", K::Text, "", {}, "mapper.txt"),
        option("sdl", "usescancodes"),
        key("dosbox", "memsize", K::Text, "", list({"1", "2", "4", "8", "16", "32", "63"}), "16"),
        key("dosbox", "captures", K::Text, ""),
        key("dosbox", "machine", K::Text, "",
            list({"hercules", "cga", "tandy", "pcjr", "ega", "vgaonly", "svga_s3", "svga_et3000",
                  "svga_et4000", "svga_paradise", "vesa_nolfb", "vesa_oldvbe"}),
            "svga_s3"),
        key("render", "frameskip", K::Text, "", numbers(0, 10, 1), "0"),
        option("render", "aspect"),
        key("render", "scaler", K::Text, "",
            list({"none", "normal2x", "normal3x", "advmame2x", "advmame3x", "hq2x", "hq3x", "2xsai",
                  "super2xsai", "supereagle", "advinterp2x", "advinterp3x", "tv2x", "tv3x", "rgb2x", "rgb3x",
                  "scan2x", "scan3x"}),
            "normal2x"),
        key("cpu", "core", K::Text, "", list({"normal", "simple", "dynamic", "auto"}), "auto"),
        in074(key("cpu", "type", K::Text, "",
                  list({"auto", "386", "386_slow", "486_slow", "pentium_slow", "386_prefetch"}), "auto"),
              "cputype"),
        key("cpu", "cycles", K::Text, "", cycles, "auto"),
        key("cpu", "cycleup", K::Digits, "500", {}, "500"),
        key("cpu", "cycledown", K::Digits, "20", {}, "20"),
        option("mixer", "nosound"),
        key("mixer", "rate", K::Text, "22050", rates, "22050"),
        key("mixer", "blocksize", K::Text, "2048", list({"512", "1024", "2048", "3072", "4096"}), "2048"),
        key("mixer", "prebuffer", K::Digits, "10", {}, "10"),
        key("midi", "mpu401", K::Text, "intelligent", list({"none", "uart", "intelligent"}), "intelligent"),
        in074(key("midi", "device", K::Text, "default",
                  list({"default", "alsa", "oss", "win32", "coreaudio", "none"}), "default"),
              "mididevice"),
        in074(key("midi", "config", K::Text, ""), "midiconfig"),
        key("sblaster", "sbtype", K::Text, "sb16", list({"none", "sb1", "sb2", "sbpro1", "sbpro2", "sb16"}),
            "sb16"),
        key("sblaster", "sbbase", K::Text, "220", ports, "220"),
        in074(option("sblaster", "mixer"), "sbmixer"),
        key("sblaster", "irq", K::Text, "7", irqs, "7"),
        key("sblaster", "dma", K::Text, "1", dmas, "1"),
        key("sblaster", "hdma", K::Text, "5", list({"5", "6", "7"}), "5"),
        key("sblaster", "oplmode", K::Text, "auto", list({"auto", "cms", "opl2", "dualopl2", "opl3"}),
            "auto"),
        key("sblaster", "oplrate", K::Text, "22050", rates, "22050"),
        option("gus", "gus"),
        key("gus", "gusrate", K::Text, "22050", rates, "22050"),
        key("gus", "gusbase", K::Text, "240", ports, "240"),
        in074(key("gus", "irq1", K::Text, "5", irqs, "5"), "gusirq"),
        in074(key("gus", "irq2", K::Text, "5", irqs, "5"), "gusirq", false),
        in074(key("gus", "dma1", K::Text, "1", dmas, "1"), "gusdma"),
        in074(key("gus", "dma2", K::Text, "1", dmas, "1"), "gusdma", false),
        key("gus", "ultradir", K::Text, "C:\\ULTRASND", {}, "C:\\ULTRASND"),
        option("speaker", "pcspeaker"),
        key("speaker", "pcrate", K::Text, "22050", rates, "22050"),
        key("speaker", "tandyrate", K::Text, "22050", rates, "22050"),
        option("speaker", "disney"),
        key("joystick", "joysticktype", K::Text, "auto",
            list({"2axis", "4axis", "4axis_2", "fcs", "ch", "none", "auto"}), "auto"),
        option("joystick", "timed"),
        option("joystick", "autofire"),
        option("joystick", "swap34"),
        option("joystick", "buttonwrap"),
        option("dos", "xms"),
        option("dos", "ems"),
        option("dos", "umb"),
        key("dos", "keyboardlayout", K::Text, "none", {}, "none"),
    };
}

std::vector<const ConfKey *> buildLoadOrder()
{
    // Section sdl is read in an order of its own; every other key in the order of the table.
    const char *const sdlOrder[] = {"fullscreen",  "fulldouble", "fullresolution", "windowresolution",
                                    "output",      "hwscale",    "autolock",       "sensitivity",
                                    "waitonerror", "priority",   "mapperfile",     "usescancodes"};
    const std::vector<ConfKey> &keys = DOSBoxConfKeys::all();
    QHash<QString, const ConfKey *> sdlKeys;
    for (const ConfKey &k : keys) {
        if (k.section == QLatin1String("sdl"))
            sdlKeys.insert(k.key, &k);
    }
    std::vector<const ConfKey *> order;
    for (const char *name : sdlOrder)
        order.push_back(sdlKeys.value(s(name)));
    for (const ConfKey &k : keys) {
        if (k.section != QLatin1String("sdl"))
            order.push_back(&k);
    }
    return order;
}

} // namespace

namespace DOSBoxConfKeys {

const std::vector<ConfKey> &all()
{
    static const std::vector<ConfKey> keys = buildKeys();
    return keys;
}

const std::vector<const ConfKey *> &loadOrder()
{
    static const std::vector<const ConfKey *> order = buildLoadOrder();
    return order;
}

QStringList sections()
{
    QStringList result;
    for (const ConfKey &k : all()) {
        if (!result.contains(k.section))
            result.append(k.section);
    }
    return result;
}

std::vector<const ConfKey *> keysWithAlias()
{
    std::vector<const ConfKey *> result;
    for (const ConfKey &k : all()) {
        if (!k.alias.isEmpty() && k.lineIn074)
            result.push_back(&k);
    }
    return result;
}

} // namespace DOSBoxConfKeys
