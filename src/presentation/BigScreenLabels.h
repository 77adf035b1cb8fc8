#pragma once

// The labels of the Nostalgia view's big screen, a line each in the order of BigScreenFacts.
namespace BigScreenLabels {

// The object name of the line's label: lblNostalgiaName and so on.
const char *lineName(int line);

} // namespace BigScreenLabels
