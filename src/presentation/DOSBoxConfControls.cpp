#include "presentation/DOSBoxConfControls.h"

#include <QHash>

#include <utility>

QString DOSBoxConfControls::objectName(const QString &valueName)
{
    // In the order of the keys' table, the second priority list last.
    static const QHash<QString, QString> names = [] {
        const std::pair<const char *, const char *> table[] = {
            {"sdl/fullscreen", "checkFullscreen"},
            {"sdl/fulldouble", "checkFulldouble"},
            {"sdl/autolock", "checkAutolock"},
            {"sdl/fullresolution", "cbFullResolution"},
            {"sdl/windowresolution", "cbWindowResolution"},
            {"sdl/output", "cbOutput"},
            {"sdl/hwscale", "cbHWScale"},
            {"sdl/sensitivity", "scrollMouseSensitivity"},
            {"sdl/priority", "cbPriorityFocused"},
            {"sdl/waitonerror", "checkWaitOnError"},
            {"sdl/mapperfile", "eMapper"},
            {"sdl/usescancodes", "checkUseScanCodes"},
            {"dosbox/memsize", "cbMemory"},
            {"dosbox/captures", "eCaptures"},
            {"dosbox/machine", "cbMachine"},
            {"render/frameskip", "cbFrameSkip"},
            {"render/aspect", "checkAspect"},
            {"render/scaler", "cbScaler"},
            {"cpu/core", "cbCore"},
            {"cpu/type", "cbType"},
            {"cpu/cycles", "cbCycles"},
            {"cpu/cycleup", "eCyclesUp"},
            {"cpu/cycledown", "eCyclesDown"},
            {"mixer/nosound", "checkNoSound"},
            {"mixer/rate", "cbSampleRate"},
            {"mixer/blocksize", "cbBlockSize"},
            {"mixer/prebuffer", "ePrebuffer"},
            {"midi/mpu401", "cbmpu401"},
            {"midi/device", "cbMidiDevice"},
            {"midi/config", "eMidiConfig"},
            {"sblaster/sbtype", "cbSBType"},
            {"sblaster/sbbase", "cbSBBase"},
            {"sblaster/mixer", "checkMixer"},
            {"sblaster/irq", "cbSBirq"},
            {"sblaster/dma", "cbSBdma"},
            {"sblaster/hdma", "cbSBhdma"},
            {"sblaster/oplmode", "cbSBoplmode"},
            {"sblaster/oplrate", "cbSBoplrate"},
            {"gus/gus", "checkGus"},
            {"gus/gusrate", "cbGusRate"},
            {"gus/gusbase", "cbGusBase"},
            {"gus/irq1", "cbGusirq1"},
            {"gus/irq2", "cbGusirq2"},
            {"gus/dma1", "cbGusdma1"},
            {"gus/dma2", "cbGusdma2"},
            {"gus/ultradir", "eUltraDir"},
            {"speaker/pcspeaker", "checkPCSpeaker"},
            {"speaker/pcrate", "cbPCRate"},
            {"speaker/tandyrate", "cbTandyRate"},
            {"speaker/disney", "checkDisney"},
            {"joystick/joysticktype", "cbJoystickType"},
            {"joystick/timed", "checkTimed"},
            {"joystick/autofire", "checkAutofire"},
            {"joystick/swap34", "checkSwap34"},
            {"joystick/buttonwrap", "checkButtonWrap"},
            {"dos/xms", "checkXMS"},
            {"dos/ems", "checkEMS"},
            {"dos/umb", "checkUMB"},
            {"dos/keyboardlayout", "eKeyboardLayout"},
            {"sdl/priority/nonfocused", "cbPriorityNonFocused"},
        };
        QHash<QString, QString> byValue;
        for (const auto &[value, control] : table)
            byValue.insert(QLatin1String(value), QLatin1String(control));
        return byValue;
    }();
    return names.value(valueName);
}
