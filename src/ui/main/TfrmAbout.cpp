#include "ui/main/TfrmAbout.h"

#include "base/ColorText.h"
#include "platform/Shell.h"
#include "ui/common/WidgetColors.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

// No web site of its own: the address is a placeholder that a packager points elsewhere.
const QString TfrmAbout::HomePage = QStringLiteral("https://example.org/pallox/");

TfrmAbout::TfrmAbout(Shell &shell, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_shell(shell)
{
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("About PALLOX"));
    WidgetColors::setBackground(this, toQColor(Colors::clSkyBlue, palette(), Qt::white));
    // The sky blue is light whatever the desktop's scheme, so the text is dark on it.
    WidgetColors::setTextColor(this, Qt::black);

    lblTitle = new QLabel(QStringLiteral("PALLOX - a front-end for old games and their emulators"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(QStringLiteral("version 2.5.2.3"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCredit = new QLabel(QStringLiteral("Written by the Pallox developers, built with Qt"), this);
    lblCredit->setObjectName(QStringLiteral("lblCredit"));
    lblHomePage = new QLabel(HomePage, this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    QFont linkFont = lblHomePage->font();
    linkFont.setUnderline(true);
    lblHomePage->setFont(linkFont);
    WidgetColors::setTextColor(lblHomePage, QColor(0x00, 0x00, 0xC0));
    lblHomePage->setCursor(Qt::PointingHandCursor);
    // A plain label, not a rich-text link: the address goes through our shell like every other
    // document we open.
    lblHomePage->setTextInteractionFlags(Qt::NoTextInteraction);
    lblHomePage->setFocusPolicy(Qt::StrongFocus);
    lblHomePage->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(8);
    for (QLabel *label : {lblTitle, lblVersion, lblCredit, lblHomePage}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void TfrmAbout::showOver(const QWidget &owner)
{
    adjustSize();
    const QPoint at(owner.x() + owner.width() / 2 - width() / 2, owner.y() + owner.height() / 2 - height() / 2);
    move(at);
    show();
    raise();
    activateWindow();
}

void TfrmAbout::lblHomePageClick()
{
    m_shell.execute(QStringLiteral("open"), lblHomePage->text(), QString(), QString());
}

bool TfrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblHomePage) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && lblHomePage->rect().contains(mouse->position().toPoint())) {
                lblHomePageClick();
                return true;
            }
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                lblHomePageClick();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmAbout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
