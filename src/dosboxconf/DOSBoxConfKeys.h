#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What kind of control a key of a DOSBox configuration file is shown in, and so how its value is
// read and written.
enum class ConfKind {
    Switch,      // a check box: "true" ticks it, Save writes "true" or "false"
    Text,        // a list box's edit text or a text field, taken and written unchanged
    Digits,      // a text field that takes only digits from the keyboard
    Sensitivity, // the mouse sensitivity scroll bar, 1 to 100
    Priority,    // the focused and non-focused priority pair, joined by a comma
};

// One key the editor owns: where it lives in the file, the name its value goes by, and what the
// control that shows it offers.
struct ConfKey
{
    QString section;
    QString key;
    // "section/key", the name of its value in DOSBoxConf::values (the focused one for Priority).
    QString name;
    ConfKind kind = ConfKind::Text;
    QString loadDefault; // the value Load uses when the file lacks the key
    QStringList choices; // list boxes only
    QString startValue;  // the control's value when the program starts
    // DOSBox 0.74 (the version Debian ships) names some keys otherwise and ignores ours: its
    // name is read where the file lacks ours, and written where the file already has it.
    QString alias;
    // Whether a 0.74 file has a line of its own for the key. DOSBox 0.74 has no hwscale, and one
    // gusirq and one gusdma for both lists of each pair, written from the first list.
    bool lineIn074 = true;
};

namespace DOSBoxConfKeys {

// The name of the priority pair's second value, the priority while DOSBox has no focus.
inline const QString &priorityNonFocused()
{
    static const QString name = QStringLiteral("sdl/priority/nonfocused");
    return name;
}

// Every key in the order Save writes them.
const std::vector<ConfKey> &all();
// The same keys in the order Load reads them (section sdl has an order of its own).
const std::vector<const ConfKey *> &loadOrder();
// The sections of all(), each once, in the order they first appear.
QStringList sections();
// The keys with a 0.74 name of their own (not those sharing it); a file holding any of these
// names is a 0.74 file.
std::vector<const ConfKey *> keysWithAlias();

} // namespace DOSBoxConfKeys
