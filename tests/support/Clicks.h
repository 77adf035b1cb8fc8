#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

// A left click in the middle of the widget, handed to it directly: it reaches the labels of a
// window that was never shown, as the offscreen tests build them, and no other widget in the way.
inline void click(QWidget *widget)
{
    const QPointF at = QPointF(widget->rect().center());
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The item of that text in a menu as the user finds it on opening: a menu that fills when it
// opens is filled first. Null when it holds none.
inline QAction *openedMenuItem(QMenu &menu, const QString &text)
{
    emit menu.aboutToShow();
    for (QAction *item : menu.actions()) {
        if (item->text() == text)
            return item;
    }
    return nullptr;
}
