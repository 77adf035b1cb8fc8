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
            const char *caption, const char *tab, QStringList choices = {}, const char *startValue = "")
{
    ConfKey k;
    k.section = s(section);
    k.key = s(name);
    k.name = k.section + QLatin1Char('/') + k.key;
    k.kind = kind;
    k.loadDefault = s(loadDefault);
    k.caption = s(caption);
    k.tab = s(tab);
    k.choices = std::move(choices);
    k.startValue = s(startValue);
    return k;
}

ConfKey option(const char *section, const char *name, const char *caption, const char *tab)
{
    return key(section, name, ConfKind::Switch, "", caption, tab, {}, "false");
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
        option("sdl", "fullscreen", "Start dosbox directly in fullscreen", "SDL"),
        option("sdl", "fulldouble", "Use double buffering in fullscreen", "SDL"),
        option("sdl", "autolock", "Lock mouse when clicked", "SDL"),
        key("sdl", "fullresolution", K::Text, "", "Fullscreen Resolution:", "SDL", resolutions, "original"),
        key("sdl", "windowresolution", K::Text, "", "Window Resolution:", "SDL", resolutions, "original"),
        key("sdl", "output", K::Text, "", "Output:", "SDL",
            list({"surface", "overlay", "opengl", "openglnb", "ddraw"}), "surface"),
        in074(key("sdl", "hwscale", K::Text, "", "HWScale", "SDL", list({"1.00", "2.00", "3.00"}), "1.00"),
              "", false),
        key("sdl", "sensitivity", K::Sensitivity, "100", "Mouse Sensitivity:", "SDL", {}, "100"),
        key("sdl", "priority", K::Priority, "", "Priority:", "SDL", priorities, "normal"),
        option("sdl", "waitonerror", "Wait to close on error", "SDL"),
        key("sdl", "mapperfile", K::Text, "", "Mapper", "SDL", {}, "mapper.txt"),
        option("sdl", "usescancodes", "Avoid usage of symkeys", "SDL"),
        key("dosbox", "memsize", K::Text, "", "Amount of high memory (MB)", "DOSBox",
            list({"1", "2", "4", "8", "16", "32", "63"}), "16"),
        key("dosbox", "captures", K::Text, "", "Capture Directory", "DOSBox"),
        key("dosbox", "machine", K::Text, "", "Machine Type", "DOSBox",
            list({"hercules", "cga", "tandy", "pcjr", "ega", "vgaonly", "svga_s3", "svga_et3000",
                  "svga_et4000", "svga_paradise", "vesa_nolfb", "vesa_oldvbe"}),
            "svga_s3"),
        key("render", "frameskip", K::Text, "", "Frameskip", "Render", numbers(0, 10, 1), "0"),
        option("render", "aspect", "Do aspect correction", "Render"),
        key("render", "scaler", K::Text, "", "Scaler", "Render",
            list({"none", "normal2x", "normal3x", "advmame2x", "advmame3x", "hq2x", "hq3x", "2xsai",
                  "super2xsai", "supereagle", "advinterp2x", "advinterp3x", "tv2x", "tv3x", "rgb2x", "rgb3x",
                  "scan2x", "scan3x"}),
            "normal2x"),
        key("cpu", "core", K::Text, "", "Core", "CPU", list({"normal", "simple", "dynamic", "auto"}), "auto"),
        in074(key("cpu", "type", K::Text, "", "CPU Type", "CPU",
                  list({"auto", "386", "386_slow", "486_slow", "pentium_slow", "386_prefetch"}), "auto"),
              "cputype"),
        key("cpu", "cycles", K::Text, "", "Cycles", "CPU", cycles, "auto"),
        key("cpu", "cycleup", K::Digits, "500", "Up", "CPU", {}, "500"),
        key("cpu", "cycledown", K::Digits, "20", "Down", "CPU", {}, "20"),
        option("mixer", "nosound", "No Sound", "Sound"),
        key("mixer", "rate", K::Text, "22050", "Sample Rate", "Sound", rates, "22050"),
        key("mixer", "blocksize", K::Text, "2048", "Block Size", "Sound",
            list({"512", "1024", "2048", "3072", "4096"}), "2048"),
        key("mixer", "prebuffer", K::Digits, "10", "Prebuffer", "Sound", {}, "10"),
        key("midi", "mpu401", K::Text, "intelligent", "mpu401", "Sound/midi",
            list({"none", "uart", "intelligent"}), "intelligent"),
        in074(key("midi", "device", K::Text, "default", "Device", "Sound/midi",
                  list({"default", "alsa", "oss", "win32", "coreaudio", "none"}), "default"),
              "mididevice"),
        in074(key("midi", "config", K::Text, "", "Config", "Sound/midi"), "midiconfig"),
        key("sblaster", "sbtype", K::Text, "sb16", "type", "Sound/sblaster",
            list({"none", "sb1", "sb2", "sbpro1", "sbpro2", "sb16"}), "sb16"),
        key("sblaster", "sbbase", K::Text, "220", "address", "Sound/sblaster", ports, "220"),
        in074(option("sblaster", "mixer", "SB Mixer Modify DB Mixer", "Sound/sblaster"), "sbmixer"),
        key("sblaster", "irq", K::Text, "7", "irq", "Sound/sblaster", irqs, "7"),
        key("sblaster", "dma", K::Text, "1", "dma", "Sound/sblaster", dmas, "1"),
        key("sblaster", "hdma", K::Text, "5", "hdma", "Sound/sblaster", list({"5", "6", "7"}), "5"),
        key("sblaster", "oplmode", K::Text, "auto", "Opl mode", "Sound/sblaster",
            list({"auto", "cms", "opl2", "dualopl2", "opl3"}), "auto"),
        key("sblaster", "oplrate", K::Text, "22050", "Opl rate", "Sound/sblaster", rates, "22050"),
        option("gus", "gus", "Enable Gus", "Sound/gus"),
        key("gus", "gusrate", K::Text, "22050", "Sample Rate", "Sound/gus", rates, "22050"),
        key("gus", "gusbase", K::Text, "240", "Address", "Sound/gus", ports, "240"),
        in074(key("gus", "irq1", K::Text, "5", "IRQ", "Sound/gus", irqs, "5"), "gusirq"),
        in074(key("gus", "irq2", K::Text, "5", "IRQ", "Sound/gus", irqs, "5"), "gusirq", false),
        in074(key("gus", "dma1", K::Text, "1", "DMA", "Sound/gus", dmas, "1"), "gusdma"),
        in074(key("gus", "dma2", K::Text, "1", "DMA", "Sound/gus", dmas, "1"), "gusdma", false),
        key("gus", "ultradir", K::Text, "C:\\ULTRASND", "Ultra Dir", "Sound/gus", {}, "C:\\ULTRASND"),
        option("speaker", "pcspeaker", "Enable PC Speaker", "Sound/speaker"),
        key("speaker", "pcrate", K::Text, "22050", "PC Speaker Rate", "Sound/speaker", rates, "22050"),
        key("speaker", "tandyrate", K::Text, "22050", "Tandy Rate", "Sound/speaker", rates, "22050"),
        option("speaker", "disney", "Enable Disney Sound Source", "Sound/speaker"),
        key("joystick", "joysticktype", K::Text, "auto", "Joystick Type", "Joystick",
            list({"2axis", "4axis", "4axis_2", "fcs", "ch", "none", "auto"}), "auto"),
        option("joystick", "timed", "Timed", "Joystick"),
        option("joystick", "autofire", "Autofire", "Joystick"),
        option("joystick", "swap34", "Swap 3rd and 4th Axis", "Joystick"),
        option("joystick", "buttonwrap", "Enable Button Wrapping", "Joystick"),
        option("dos", "xms", "checkXMS", "Environment"),
        option("dos", "ems", "checkEMS", "Environment"),
        option("dos", "umb", "checkUMB", "Environment"),
        key("dos", "keyboardlayout", K::Text, "none", "Keyboard Layout", "Environment", {}, "none"),
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

const QStringList &tabs()
{
    static const QStringList names =
        list({"SDL", "DOSBox", "Render", "CPU", "Sound", "Joystick", "Environment", "AutoExec"});
    return names;
}

const QStringList &soundTabs()
{
    static const QStringList names = list({"midi", "sblaster", "gus", "speaker"});
    return names;
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
