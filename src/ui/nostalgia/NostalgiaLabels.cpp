#include "ui/nostalgia/NostalgiaLabels.h"

#include "browse/DetailsContent.h"
#include "nostalgia/NostalgiaFonts.h"
#include "presentation/NostalgiaLayout.h"
#include "nostalgia/NostalgiaScene.h"
#include "session/LibrarySession.h"
#include "session/LaunchModel.h"
#include "session/BrowseModel.h"
#include "ui/common/Controls.h"
#include "ui/common/WidgetColors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Green(0x00, 0x80, 0x00);

QString numbered(const char *stem, size_t index)
{
    return QLatin1String(stem) + QString::number(index + 1);
}

} // namespace

NostalgiaLabels::NostalgiaLabels(LibrarySession &session, QWidget &panel)
    : QObject(&panel), m_session(session)
{
    setObjectName(QStringLiteral("NostalgiaLabels"));
    for (size_t i = 0; i < lblNostalgiaExtra.size(); ++i) {
        auto *label = new QLabel(&panel);
        label->setObjectName(numbered("lblNostalgiaExtra", i));
        label->setCursor(Qt::PointingHandCursor);
        WidgetColors::setTextColor(label, Navy);
        label->installEventFilter(this);
        label->hide();
        lblNostalgiaExtra[i] = label;
    }
    for (size_t i = 0; i < lblNostalgiaPlatform.size(); ++i) {
        // The shadow first, so that the label is drawn over it.
        auto *shadow = new QLabel(&panel);
        shadow->setObjectName(numbered("lblNostalgiaPlatformShadow", i));
        WidgetColors::setTextColor(shadow, Qt::black);
        auto *label = new QLabel(&panel);
        label->setObjectName(numbered("lblNostalgiaPlatform", i));
        label->setCursor(Qt::PointingHandCursor);
        WidgetColors::setTextColor(label, Green);
        for (QLabel *l : {shadow, label}) {
            QFont font = l->font();
            font.setBold(true);
            font.setPointSize(12);
            l->setFont(font);
            l->installEventFilter(this);
            l->hide();
        }
        lblNostalgiaPlatformShadow[i] = shadow;
        lblNostalgiaPlatform[i] = label;
    }
}

void NostalgiaLabels::showPlatforms(const NostalgiaScene &scene)
{
    for (size_t i = 0; i < lblNostalgiaPlatform.size(); ++i) {
        for (QLabel *label : {lblNostalgiaPlatform[i], lblNostalgiaPlatformShadow[i]}) {
            label->setText(scene.platformRow()[i]);
            autoSize(label);
            label->setVisible(scene.platformShown(i));
        }
    }
}

void NostalgiaLabels::showExtras(const DetailsContent &details)
{
    for (size_t i = 0; i < lblNostalgiaExtra.size(); ++i) {
        QLabel *label = lblNostalgiaExtra[i];
        label->setText(details.extras[i].title);
        autoSize(label);
        label->setVisible(!label->text().isEmpty());
    }
}

void NostalgiaLabels::placePlatforms(QPoint at)
{
    QVector<int> widths;
    for (QLabel *label : lblNostalgiaPlatform)
        widths.append(label->width());
    const QVector<QPoint> places = NostalgiaLayout::platformPlaces(at, widths);
    for (size_t i = 0; i < lblNostalgiaPlatform.size(); ++i) {
        lblNostalgiaPlatform[i]->move(places.at(int(i)));
        lblNostalgiaPlatformShadow[i]->move(NostalgiaLayout::shadowOf(places.at(int(i))));
    }
}

QList<QLabel *> NostalgiaLabels::platformLabels() const
{
    return QList<QLabel *>(lblNostalgiaPlatform.begin(), lblNostalgiaPlatform.end());
}

void NostalgiaLabels::placeExtras(const NostalgiaSkinValues &skin)
{
    const QFont font = NostalgiaFonts::extrasFont(lblNostalgiaExtra[0]->font(), skin);
    for (QLabel *label : lblNostalgiaExtra) {
        label->setFont(font);
        autoSize(label);
    }
    const QVector<int> tops =
        NostalgiaLayout::extraTops(skin.extrasTop, lblNostalgiaExtra[0]->height(), int(lblNostalgiaExtra.size()));
    for (size_t i = 0; i < lblNostalgiaExtra.size(); ++i)
        lblNostalgiaExtra[i]->move(skin.extrasLeft, tops.at(int(i)));
}

int NostalgiaLabels::platformNumber(const QObject *label) const
{
    for (size_t i = 0; i < lblNostalgiaPlatform.size(); ++i) {
        if (label == lblNostalgiaPlatform[i] || label == lblNostalgiaPlatformShadow[i])
            return int(i);
    }
    return -1;
}

bool NostalgiaLabels::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    const QEvent::Type type = event->type();
    if (!label)
        return QObject::eventFilter(watched, event);
    if (type == QEvent::MouseButtonRelease) {
        // A press dragged off the label and let go elsewhere is no click.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
            return QObject::eventFilter(watched, event);
    }
    const int platform = platformNumber(label);
    if (platform >= 0) {
        // The shadow peeks out from under its label and answers for it.
        QLabel *target = lblNostalgiaPlatform[size_t(platform)];
        if (type == QEvent::MouseButtonRelease) {
            m_session.browse().showPlatform(target->text());
        } else if (type == QEvent::MouseButtonDblClick) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                emit platformLaunchRequested(target->text());
        } else if (label != target && (type == QEvent::Enter || type == QEvent::Leave)) {
            QEvent forwarded(type);
            QCoreApplication::sendEvent(target, &forwarded);
        }
        return QObject::eventFilter(watched, event);
    }
    for (size_t i = 0; i < lblNostalgiaExtra.size(); ++i) {
        if (label != lblNostalgiaExtra[i])
            continue;
        if (type == QEvent::Enter || type == QEvent::Leave)
            WidgetColors::setTextColor(label, type == QEvent::Enter ? Blue : Navy);
        else if (type == QEvent::MouseButtonRelease && m_session.browse().selectedIndex() >= 0)
            m_session.launch().openExtra(m_session.browse().details().extras[i].link);
    }
    return QObject::eventFilter(watched, event);
}
