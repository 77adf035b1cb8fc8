#pragma once

#include <QString>

// The controls of the DOSBox configuration editor: which control shows which of the values in
// DOSBoxConf::values, by the value's name.
namespace DOSBoxConfControls {

// The object name of the control that shows the value: checkFullscreen for "sdl/fullscreen",
// cbPriorityNonFocused for the second of the priority pair, and so on; empty for a name no control
// shows.
QString objectName(const QString &valueName);

} // namespace DOSBoxConfControls
