#include "ui/main/PictureViewer.h"

#include "ui/common/PictureLabel.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

namespace {

const QString AutosizeCaption = QStringLiteral("Autosize");
const QString ScreenFitCaption = QStringLiteral("Screen Fit");

bool isLeftClickInside(const QWidget *widget, const QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    // A press dragged off the picture and let go elsewhere is no click.
    return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
}

} // namespace

PictureViewer::PictureViewer(QWidget &page) : QObject(&page), m_page(page)
{
    setObjectName(QStringLiteral("PictureViewer"));
    panelViewer = new QWidget(&page);
    panelViewer->setObjectName(QStringLiteral("panelViewer"));
    panelViewer->setAutoFillBackground(true);
    panelViewer->setFocusPolicy(Qt::StrongFocus);
    panelViewer->hide();

    imgViewer = new PictureLabel(QStringLiteral("imgViewer"), panelViewer);
    scrollViewerZoom = new QScrollArea(panelViewer);
    scrollViewerZoom->setObjectName(QStringLiteral("scrollViewerZoom"));
    scrollViewerZoom->setFrameShape(QFrame::NoFrame);
    // A picture smaller than the box sits in its middle; a larger one scrolls from its top left.
    scrollViewerZoom->setAlignment(Qt::AlignCenter);
    scrollViewerZoom->setWidgetResizable(false);
    imgViewerZoom = new QLabel;
    imgViewerZoom->setObjectName(QStringLiteral("imgViewerZoom"));
    scrollViewerZoom->setWidget(imgViewerZoom);
    scrollViewerZoom->hide();

    btnAutoSize = new QPushButton(AutosizeCaption, panelViewer);
    btnAutoSize->setObjectName(QStringLiteral("btnAutoSize"));
    btnAutoSize->setFocusPolicy(Qt::NoFocus);
    connect(btnAutoSize, &QPushButton::clicked, this, &PictureViewer::btnAutoSizeClick);

    imgViewer->installEventFilter(this);
    imgViewerZoom->installEventFilter(this);
    panelViewer->installEventFilter(this);
    m_page.installEventFilter(this);
}

void PictureViewer::watch(const QList<PictureLabel *> &pictures)
{
    for (PictureLabel *picture : pictures)
        picture->installEventFilter(this);
}

bool PictureViewer::isOpen() const
{
    return panelViewer->isVisible();
}

void PictureViewer::open(const QImage &image)
{
    imgViewer->setImage(image);
    imgViewerZoom->setPixmap(QPixmap::fromImage(image));
    imgViewerZoom->adjustSize();
    place();
    if (!isOpen())
        m_focusBefore = QApplication::focusWidget();
    panelViewer->show();
    panelViewer->raise();
    panelViewer->setFocus(Qt::OtherFocusReason);
}

void PictureViewer::close()
{
    const bool hadFocus = panelViewer->hasFocus();
    panelViewer->lower();
    panelViewer->hide();
    // The big picture is a copy; a closed viewer need not hold it.
    imgViewer->clear();
    imgViewerZoom->clear();
    // The keyboard goes back where it was, so the arrow keys browse the list again.
    if (hadFocus && m_focusBefore)
        m_focusBefore->setFocus(Qt::OtherFocusReason);
}

void PictureViewer::btnAutoSizeClick()
{
    showNaturalSize(btnAutoSize->text() == AutosizeCaption);
}

void PictureViewer::showNaturalSize(bool natural)
{
    btnAutoSize->setText(natural ? ScreenFitCaption : AutosizeCaption);
    scrollViewerZoom->setVisible(natural);
    imgViewer->setVisible(!natural);
    btnAutoSize->raise();
}

void PictureViewer::place()
{
    panelViewer->setGeometry(m_page.rect());
    imgViewer->setGeometry(panelViewer->rect());
    scrollViewerZoom->setGeometry(panelViewer->rect());
    btnAutoSize->adjustSize();
    btnAutoSize->resize(qMax(btnAutoSize->width(), 90), btnAutoSize->height());
    btnAutoSize->move(panelViewer->width() - btnAutoSize->width() - 8, 8);
    btnAutoSize->raise();
}

bool PictureViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_page) {
        if (event->type() == QEvent::Resize && isOpen())
            place();
        return false;
    }
    if (watched == panelViewer) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !isLeftClickInside(widget, event))
        return false;
    if (widget == imgViewer || widget == imgViewerZoom)
        close();
    else if (auto *picture = qobject_cast<PictureLabel *>(widget))
        open(picture->image());
    return false;
}
