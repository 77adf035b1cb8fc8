#include "presentation/DOSBoxConfCaptions.h"

#include <QHash>

#include <utility>

namespace {

struct Shown
{
    QString caption;
    QString tab;
};

const Shown &shown(const QString &keyName)
{
    // In the order of the keys' table.
    static const QHash<QString, Shown> byKey = [] {
        const struct
        {
            const char *key;
            const char *caption;
            const char *tab;
        } table[] = {
            {"sdl/fullscreen", "Start dosbox directly in fullscreen", "SDL"},
            {"sdl/fulldouble", "Use double buffering in fullscreen", "SDL"},
            {"sdl/autolock", "Lock mouse when clicked", "SDL"},
            {"sdl/fullresolution", "Fullscreen Resolution:", "SDL"},
            {"sdl/windowresolution", "Window Resolution:", "SDL"},
            {"sdl/output", "Output:", "SDL"},
            {"sdl/hwscale", "HWScale", "SDL"},
            {"sdl/sensitivity", "Mouse Sensitivity:", "SDL"},
            {"sdl/priority", "Priority:", "SDL"},
            {"sdl/waitonerror", "Wait to close on error", "SDL"},
            {"sdl/mapperfile", "Mapper", "SDL"},
            {"sdl/usescancodes", "Avoid usage of symkeys", "SDL"},
            {"dosbox/memsize", "Amount of high memory (MB)", "DOSBox"},
            {"dosbox/captures", "Capture Directory", "DOSBox"},
            {"dosbox/machine", "Machine Type", "DOSBox"},
            {"render/frameskip", "Frameskip", "Render"},
            {"render/aspect", "Do aspect correction", "Render"},
            {"render/scaler", "Scaler", "Render"},
            {"cpu/core", "Core", "CPU"},
            {"cpu/type", "CPU Type", "CPU"},
            {"cpu/cycles", "Cycles", "CPU"},
            {"cpu/cycleup", "Up", "CPU"},
            {"cpu/cycledown", "Down", "CPU"},
            {"mixer/nosound", "No Sound", "Sound"},
            {"mixer/rate", "Sample Rate", "Sound"},
            {"mixer/blocksize", "Block Size", "Sound"},
            {"mixer/prebuffer", "Prebuffer", "Sound"},
            {"midi/mpu401", "mpu401", "Sound/midi"},
            {"midi/device", "Device", "Sound/midi"},
            {"midi/config", "Config", "Sound/midi"},
            {"sblaster/sbtype", "type", "Sound/sblaster"},
            {"sblaster/sbbase", "address", "Sound/sblaster"},
            {"sblaster/mixer", "SB Mixer Modify DB Mixer", "Sound/sblaster"},
            {"sblaster/irq", "irq", "Sound/sblaster"},
            {"sblaster/dma", "dma", "Sound/sblaster"},
            {"sblaster/hdma", "hdma", "Sound/sblaster"},
            {"sblaster/oplmode", "Opl mode", "Sound/sblaster"},
            {"sblaster/oplrate", "Opl rate", "Sound/sblaster"},
            {"gus/gus", "Enable Gus", "Sound/gus"},
            {"gus/gusrate", "Sample Rate", "Sound/gus"},
            {"gus/gusbase", "Address", "Sound/gus"},
            {"gus/irq1", "IRQ", "Sound/gus"},
            {"gus/irq2", "IRQ", "Sound/gus"},
            {"gus/dma1", "DMA", "Sound/gus"},
            {"gus/dma2", "DMA", "Sound/gus"},
            {"gus/ultradir", "Ultra Dir", "Sound/gus"},
            {"speaker/pcspeaker", "Enable PC Speaker", "Sound/speaker"},
            {"speaker/pcrate", "PC Speaker Rate", "Sound/speaker"},
            {"speaker/tandyrate", "Tandy Rate", "Sound/speaker"},
            {"speaker/disney", "Enable Disney Sound Source", "Sound/speaker"},
            {"joystick/joysticktype", "Joystick Type", "Joystick"},
            {"joystick/timed", "Timed", "Joystick"},
            {"joystick/autofire", "Autofire", "Joystick"},
            {"joystick/swap34", "Swap 3rd and 4th Axis", "Joystick"},
            {"joystick/buttonwrap", "Enable Button Wrapping", "Joystick"},
            {"dos/xms", "checkXMS", "Environment"},
            {"dos/ems", "checkEMS", "Environment"},
            {"dos/umb", "checkUMB", "Environment"},
            {"dos/keyboardlayout", "Keyboard Layout", "Environment"},
        };
        QHash<QString, Shown> shownBy;
        for (const auto &row : table)
            shownBy.insert(QLatin1String(row.key), Shown{QLatin1String(row.caption), QLatin1String(row.tab)});
        return shownBy;
    }();
    static const Shown none;
    const auto at = byKey.constFind(keyName);
    return at == byKey.constEnd() ? none : *at;
}

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QLatin1String(text));
    return result;
}

} // namespace

QString DOSBoxConfCaptions::caption(const QString &keyName)
{
    return shown(keyName).caption;
}

QString DOSBoxConfCaptions::tab(const QString &keyName)
{
    return shown(keyName).tab;
}

const QStringList &DOSBoxConfCaptions::tabs()
{
    static const QStringList names =
        list({"SDL", "DOSBox", "Render", "CPU", "Sound", "Joystick", "Environment", "AutoExec"});
    return names;
}

const QStringList &DOSBoxConfCaptions::soundTabs()
{
    static const QStringList names = list({"midi", "sblaster", "gus", "speaker"});
    return names;
}

Failure DOSBoxConfCaptions::namedAsShown(Failure refusal)
{
    for (Failure &cause : refusal.causes()) {
        if (cause.kind() != Failure::Kind::UnfitField)
            continue;
        const Shown &control = shown(cause.fact(Failure::Fact::Key));
        cause.with(Failure::Fact::Caption, control.caption).with(Failure::Fact::Tab, control.tab);
    }
    return refusal;
}
