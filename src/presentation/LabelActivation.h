#pragma once

class QEvent;
class QRect;

// A label that chooses something is used like a button: a left click that ends on it, or Space
// or Enter while it has the focus.
namespace LabelActivation {

// Whether the event, delivered to a label covering `area` (in its own coordinates), uses it.
bool activates(const QEvent &event, const QRect &area);

} // namespace LabelActivation
