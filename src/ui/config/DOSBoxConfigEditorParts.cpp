#include "ui/config/DOSBoxConfigEditorParts.h"

#include "dosboxconf/DOSBoxPanelPalette.h"
#include "ui/common/Controls.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace DOSBoxEditorParts {

QPushButton *button(const char *name, const char *caption, QWidget *parent)
{
    return named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

QLabel *label(const char *caption, QWidget *parent)
{
    return new QLabel(QString::fromLatin1(caption), parent);
}

QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *holder = new QWidget(parent);
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : widgets) {
        widget->setParent(holder);
        layout->addWidget(widget);
    }
    layout->addStretch(1);
    return holder;
}

void useDesktopColours(QWidget *pages, QWidget *field)
{
    const QPalette pageColours = DOSBoxPanelPalette::pages(pages->palette(), QApplication::palette(pages));
    pages->setPalette(pageColours);
    field->setPalette(pageColours);
}

} // namespace DOSBoxEditorParts
