#include "ui/main/FindPanel.h"

#include "ui/common/Controls.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

void setItems(QComboBox *box, const QStringList &items)
{
    // Filling the list moves the current index; the text the user sees is set apart.
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
}

void setBoxText(QComboBox *box, const QString &text)
{
    if (box->currentText() == text)
        return;
    const QSignalBlocker blocker(box);
    box->setEditText(text);
}

QComboBox *makeBox(const char *name, QWidget *parent)
{
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    // Typed texts filter; they never become list items, which stay the table's own values.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(20);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    return box;
}

QPushButton *makeButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

FindPanel::FindPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlFind"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    lblSearchField = new QLabel(QStringLiteral("Search Field:"), this);
    lblSearchField->setObjectName(QStringLiteral("lblSearchField"));
    lblSearchField->setCursor(Qt::PointingHandCursor);
    lblSearchField->installEventFilter(this);
    cbShowOnly1 = makeBox("cbShowOnly1", this);
    cbShowOnly2 = makeBox("cbShowOnly2", this);
    // The value filter compares exactly, so what was typed is what must be compared. A completer
    // that ignores case would swap a typed "sierra" for the listed "Sierra" on Enter (the box
    // matches typed text the completer's way), and an inline one would put its guess into the
    // text. This one only offers the values that would match, and only a pick replaces the text.
    cbShowOnly2->completer()->setCaseSensitivity(Qt::CaseSensitive);
    cbShowOnly2->completer()->setCompletionMode(QCompleter::PopupCompletion);
    btnGoFind = makeButton("btnGoFind", QStringLiteral("Go"), this);
    btnGoFind->hide();
    btnClearFind = makeButton("btnClearFind", QStringLiteral("Clear"), this);
    btnCloseFind = makeButton("btnCloseFind", QStringLiteral("^"), this);
    btnCloseFind->setFixedWidth(24);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 3, 4, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->addWidget(lblSearchField, 0, 0);
    grid->addWidget(cbShowOnly1, 0, 1, 1, 2);
    grid->addWidget(btnCloseFind, 0, 3);
    grid->addWidget(cbShowOnly2, 1, 0, 1, 2);
    grid->addWidget(btnGoFind, 1, 2);
    grid->addWidget(btnClearFind, 1, 3);
    grid->setColumnStretch(1, 1);
    setFixedHeight(PanelHeight);
    hide();

    connect(cbShowOnly1, &QComboBox::textActivated, this, &FindPanel::fieldChanged);
    connect(cbShowOnly1->lineEdit(), &QLineEdit::textEdited, this, &FindPanel::fieldChanged);
    connect(cbShowOnly2, &QComboBox::textActivated, this, &FindPanel::valueChosen);
    connect(cbShowOnly2->lineEdit(), &QLineEdit::textEdited, this, &FindPanel::valueEdited);
    // Enter on a text that is a list item already arrives as a choice from the list.
    connect(cbShowOnly2->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (cbShowOnly2->findText(cbShowOnly2->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
            emit valueChosen();
    });
    connect(btnGoFind, &QPushButton::clicked, this, &FindPanel::goClicked);
    connect(btnClearFind, &QPushButton::clicked, this, &FindPanel::clearClicked);
    connect(btnCloseFind, &QPushButton::clicked, this, &FindPanel::btnCloseFindClick);
}

void FindPanel::place(const QRect &list)
{
    setGeometry(list.x(), list.y() - listShift(), list.width(), PanelHeight);
    raise();
}

QString FindPanel::fieldText() const
{
    return cbShowOnly1->currentText();
}

QString FindPanel::valueText() const
{
    return cbShowOnly2->currentText();
}

void FindPanel::setFieldList(const QStringList &items)
{
    setItems(cbShowOnly1, items);
}

void FindPanel::setValueList(const QStringList &items)
{
    setItems(cbShowOnly2, items);
}

void FindPanel::showFilter(const QString &field, const QString &value, bool valueEnabled, bool searchOffered)
{
    setBoxText(cbShowOnly1, field);
    setBoxText(cbShowOnly2, value);
    cbShowOnly2->setEnabled(valueEnabled);
    btnGoFind->setVisible(searchOffered);
}

void FindPanel::Find1Click()
{
    if (isOpen())
        return;
    show();
    raise();
    emit opened(listShift());
}

void FindPanel::btnCloseFindClick()
{
    if (!isOpen())
        return;
    hide();
    emit closed(listShift());
}

bool FindPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblSearchField && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && lblSearchField->rect().contains(mouse->position().toPoint()))
            emit searchFieldClicked();
    }
    return QFrame::eventFilter(watched, event);
}
