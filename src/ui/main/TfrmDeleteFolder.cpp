#include "ui/main/TfrmDeleteFolder.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/BrowseModel.h"
#include "session/LibrarySession.h"
#include "presentation/DeleteQuestion.h"
#include "ui/common/WidgetColors.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int FrameWidth = 3;
constexpr int SideMargin = FrameWidth + 18;

} // namespace

TfrmDeleteFolder::TfrmDeleteFolder(LibrarySession &session, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("TfrmDeleteFolder"));
    setWindowTitle(QStringLiteral("Really Delete This Game?"));
    WidgetColors::setBackground(this, Qt::black);
    WidgetColors::setTextColor(this, Qt::white);

    lblWarning =
        new QLabel(QStringLiteral("Are you sure you want to delete the entire folder for this game including "
                                  "ALL information, images, THE GAME ITSELF, and all of your hard work?"),
                   this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setWordWrap(true);
    lblWarning->setAlignment(Qt::AlignCenter);
    QFont warningFont = lblWarning->font();
    warningFont.setBold(true);
    warningFont.setPointSize(warningFont.pointSize() + 2);
    lblWarning->setFont(warningFont);

    lblFolderToBeDeleted = new QLabel(this);
    lblFolderToBeDeleted->setObjectName(QStringLiteral("lblFolderToBeDeleted"));
    lblFolderToBeDeleted->setWordWrap(true);
    lblFolderToBeDeleted->setAlignment(Qt::AlignCenter);
    // A path is one long word; without this it would widen the window instead of wrapping.
    lblFolderToBeDeleted->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblFolderToBeDeleted->setTextFormat(Qt::PlainText);
    lblFolderToBeDeleted->setTextInteractionFlags(Qt::TextSelectableByMouse);
    WidgetColors::setTextColor(lblFolderToBeDeleted, QColor(0xFF, 0xD7, 0x00));

    btnYes = new QPushButton(QStringLiteral("Yes"), this);
    btnYes->setObjectName(QStringLiteral("btnYes"));
    btnNo = new QPushButton(QStringLiteral("No"), this);
    btnNo->setObjectName(QStringLiteral("btnNo"));
    for (QPushButton *button : {btnYes, btnNo}) {
        button->setMinimumWidth(90);
        button->setAutoDefault(true);
    }
    connect(btnYes, &QPushButton::clicked, this, &TfrmDeleteFolder::btnYesClick);
    connect(btnNo, &QPushButton::clicked, this, &TfrmDeleteFolder::btnNoClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnYes);
    buttons->addSpacing(24);
    buttons->addWidget(btnNo);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(SideMargin, FrameWidth + 16, SideMargin, FrameWidth + 16);
    layout->setSpacing(14);
    layout->addWidget(lblWarning);
    layout->addWidget(lblFolderToBeDeleted, 1);
    layout->addLayout(buttons);
    setFixedWidth(DeleteQuestion::NarrowestWidth);
    setMinimumHeight(230);
}

bool TfrmDeleteFolder::LoadFolderToDelete()
{
    m_target = FolderCommands(m_session.browse(), m_session.platform().fileOps, m_session.platform().shell).deleteTarget();
    if (const Result<void> deletable = m_target.deletable(); !deletable) {
        m_dialogs.message(deletable.error().message());
        return false;
    }
    return true;
}

void TfrmDeleteFolder::showPath(const QString &path, const QWidget &mainWindow)
{
    const int wanted = lblFolderToBeDeleted->fontMetrics().horizontalAdvance(path) + 2 * SideMargin + 8;
    const QScreen *screen = mainWindow.screen();
    const DeleteQuestion::ShownPath shown =
        DeleteQuestion::shownPath(path, wanted, screen ? screen->availableGeometry().width() : -1);
    setFixedWidth(shown.windowWidth);
    lblFolderToBeDeleted->setText(shown.text);
}

void TfrmDeleteFolder::mnuDeleteCurrentClick(const QWidget &mainWindow)
{
    if (!LoadFolderToDelete()) {
        hide();
        return;
    }
    showPath(QDir::toNativeSeparators(m_target.folder.path), mainWindow);
    adjustSize();
    move(DeleteQuestion::placeOver(mainWindow.frameGeometry(), width()));
    show();
    raise();
    activateWindow();
    // The safe answer has the keyboard, so that a stray Enter deletes nothing.
    btnNo->setFocus();
}

void TfrmDeleteFolder::btnYesClick()
{
    const Result<void> trashed = FolderCommands(m_session.browse(), m_session.platform().fileOps, m_session.platform().shell).moveToTrash(m_target);
    close();
    if (!trashed) {
        m_dialogs.message(trashed.error().message());
        return;
    }
    emit refreshAllRequested();
}

void TfrmDeleteFolder::btnNoClick()
{
    close();
}

void TfrmDeleteFolder::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    const qreal inset = FrameWidth / 2.0;
    painter.setPen(QPen(Qt::red, FrameWidth));
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

void TfrmDeleteFolder::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        btnNo->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Outside a dialog, Enter does not press the focused button by itself.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget())) {
            button->click();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
