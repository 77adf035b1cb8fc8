#include "presentation/LabelActivation.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRect>

namespace LabelActivation {

bool activates(const QEvent &event, const QRect &area)
{
    if (event.type() == QEvent::MouseButtonRelease) {
        const auto &mouse = static_cast<const QMouseEvent &>(event);
        return mouse.button() == Qt::LeftButton && area.contains(mouse.position().toPoint());
    }
    if (event.type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent &>(event).key();
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    return false;
}

} // namespace LabelActivation
