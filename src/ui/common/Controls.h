#pragma once

#include <QLabel>
#include <QList>
#include <QString>

// Every control carries its name as its object name: tests, the appearance settings and the
// event filters find controls by it.
template <class Control> Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

template <class Control> Control *named(Control *control, const char *name)
{
    return named(control, QString::fromLatin1(name));
}

// Tab visits the widgets in this order, coming to the first from wherever it came to it before.
inline void chainTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

// A label as large as its text and no larger, wherever it is placed by hand.
inline void autoSize(QLabel *label)
{
    label->resize(label->sizeHint());
}
