#pragma once

#include "base/Failure.h"

#include <QString>
#include <QStringList>

// What the DOSBox configuration editor calls each key, and on which of its tabs it shows it.
namespace DOSBoxConfCaptions {

// The caption of the key's control, by the key's value name ("sdl/fullscreen"): a check box's
// own, or the label's in front of the control; empty for a name no control shows.
QString caption(const QString &keyName);
// The tab the control is on: "SDL", "DOSBox", ..., "Sound/midi" for the tabs inside "Sound".
QString tab(const QString &keyName);

// The editor's tabs in their order; "Sound" holds the tabs named "Sound/...".
const QStringList &tabs();
const QStringList &soundTabs();

// A refusal to save told as the editor shows the values it names: each value that its file
// cannot hold by its control's caption and tab.
Failure namedAsShown(Failure refusal);

} // namespace DOSBoxConfCaptions
