#include "ui/nostalgia/NostalgiaBigScreen.h"

#include "browse/DetailsContent.h"
#include "presentation/BigScreenLabels.h"
#include "presentation/NostalgiaLayout.h"
#include "ui/common/Controls.h"
#include "ui/common/WidgetColors.h"
#include "ui/nostalgia/NostalgiaPicture.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

NostalgiaBigScreen::NostalgiaBigScreen(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlBigScreen"));
    resize(NostalgiaLayout::BigScreenWidth, NostalgiaLayout::BigScreenHeight);
    hide();

    imgNostalgiaBigScreen = new NostalgiaPicture(QStringLiteral("imgNostalgiaBigScreen"),
                                                 NostalgiaPicture::Drawing::Stretched, this);
    imgNostalgiaBigScreen->setGeometry(rect());
    // Without the skin's monitor the text still needs a screen to stand on.
    imgNostalgiaBigScreen->setFallbackColor(Qt::black);
    connect(imgNostalgiaBigScreen, &NostalgiaPicture::clicked, this, &QWidget::hide);

    lblCursor1 = addText("lblCursor1", QStringLiteral("Starting MS-DOS..."));
    m_facts = BigScreenFacts::lines(DetailsContent());
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i] = addText(BigScreenLabels::lineName(int(i)), m_facts[i].text);
        if (BigScreenFacts::filterable(int(i)))
            lines[i]->setCursor(Qt::PointingHandCursor);
    }
    lblNostalgiaPrompt = addText("lblNostalgiaPrompt", QStringLiteral("C:\\>"));
    lblNostalgiaCursor = addText("lblNostalgiaCursor", QStringLiteral("_"));

    lblCloseBigScreen = new QLabel(QStringLiteral("X"), this);
    lblCloseBigScreen->setObjectName(QStringLiteral("lblCloseBigScreen"));
    QFont closeFont = lblCloseBigScreen->font();
    closeFont.setBold(true);
    closeFont.setPixelSize(20);
    lblCloseBigScreen->setFont(closeFont);
    lblCloseBigScreen->setCursor(Qt::PointingHandCursor);
    WidgetColors::setTextColor(lblCloseBigScreen, Qt::black);
    autoSize(lblCloseBigScreen);
    lblCloseBigScreen->installEventFilter(this);

    timerCursor = new QTimer(this);
    timerCursor->setObjectName(QStringLiteral("timerCursor"));
    timerCursor->setInterval(500);
    connect(timerCursor, &QTimer::timeout, this, &NostalgiaBigScreen::timerCursorTimer);

    lblCursor1->move(NostalgiaLayout::BigScreenTextAt);
    stackLines();
    placeCloseMark();
}

void NostalgiaBigScreen::setCursorBlinking(bool blinking)
{
    if (blinking)
        timerCursor->start();
    else
        timerCursor->stop();
}

QLabel *NostalgiaBigScreen::addText(const char *objectName, const QString &text)
{
    auto *label = named(new QLabel(text, this), objectName);
    WidgetColors::setTextColor(label, QColor(0xC0, 0xC0, 0xC0));
    label->installEventFilter(this);
    autoSize(label);
    return label;
}

void NostalgiaBigScreen::setDosFont(const QFont &font)
{
    for (QLabel *label : findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label != lblCloseBigScreen) {
            label->setFont(font);
            autoSize(label);
        }
    }
    stackLines();
}

void NostalgiaBigScreen::setPicture(const QImage &picture)
{
    imgNostalgiaBigScreen->setImage(picture);
}

void NostalgiaBigScreen::showFacts(const DetailsContent &details)
{
    m_facts = BigScreenFacts::lines(details);
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i]->setText(m_facts[i].text);
        autoSize(lines[i]);
    }
    stackLines();
}

void NostalgiaBigScreen::stackLines()
{
    QVector<int> heights;
    for (QLabel *line : lines)
        heights.append(line->height());
    const NostalgiaLayout::BigScreenText text =
        NostalgiaLayout::bigScreenText(lblCursor1->height(), heights, lblNostalgiaPrompt->width());
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i]->move(text.lines.at(int(i)));
    lblNostalgiaPrompt->move(text.prompt);
    lblNostalgiaCursor->move(text.cursor);
}

void NostalgiaBigScreen::centreOn(const QRect &computer)
{
    move(NostalgiaLayout::bigScreenAt(computer, size()));
}

void NostalgiaBigScreen::openOn(const QRect &computer)
{
    resize(NostalgiaLayout::BigScreenWidth, NostalgiaLayout::BigScreenHeight);
    move(NostalgiaLayout::openedBigScreenAt(computer));
    imgNostalgiaBigScreen->setGeometry(rect());
    show();
    raise();
    placeCloseMark();
}

void NostalgiaBigScreen::placeCloseMark()
{
    lblCloseBigScreen->move(
        NostalgiaLayout::closeMarkAt(imgNostalgiaBigScreen->geometry(), lblCloseBigScreen->width()));
    lblCloseBigScreen->raise();
}

void NostalgiaBigScreen::timerCursorTimer()
{
    lblNostalgiaCursor->setVisible(lblNostalgiaCursor->isHidden());
}

bool NostalgiaBigScreen::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label)
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (label == lblCloseBigScreen) {
        if (type == QEvent::Enter || type == QEvent::Leave)
            WidgetColors::setTextColor(label, type == QEvent::Enter ? Qt::white : Qt::black);
        else if (type == QEvent::MouseButtonRelease)
            hide();
        return QWidget::eventFilter(watched, event);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (label != lines[i])
            continue;
        if (!BigScreenFacts::filterable(int(i)))
            continue;
        if (type == QEvent::Enter || type == QEvent::Leave) {
            WidgetColors::setTextColor(label,
                                       type == QEvent::Enter ? QColor(Qt::white) : QColor(0xC0, 0xC0, 0xC0));
        } else if (type == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()) &&
                !m_facts[i].clickField.isEmpty())
                emit fieldClicked(m_facts[i].clickField, m_facts[i].value);
        }
    }
    return QWidget::eventFilter(watched, event);
}
