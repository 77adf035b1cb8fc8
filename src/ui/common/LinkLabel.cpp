#include "ui/common/LinkLabel.h"

#include "presentation/LabelActivation.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A press that is dragged off the label and let go elsewhere is no click.
    if (!LabelActivation::activates(*event, rect())) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit activated();
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (LabelActivation::activates(*event, rect())) {
            event->accept();
            emit activated();
            return;
        }
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The label is as large as its text, so the frame goes round the text itself, dotted in the
    // text's own colour: the details' colours are the user's, and any other might not show.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
