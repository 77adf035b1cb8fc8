#include "ui/main/FindPanel.h"

#include "ui/common/Controls.h"
#include "ui/common/LinkLabel.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

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

    lblSearchField = named(new LinkLabel(this), "lblSearchField");
    lblSearchField->setText(QStringLiteral("Search Field:"));
    lblSearchField->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblSearchField->setCursor(Qt::PointingHandCursor);
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
    connect(lblSearchField, &LinkLabel::activated, this, &FindPanel::searchFieldClicked);
    connect(btnGoFind, &QPushButton::clicked, this, &FindPanel::goClicked);
    connect(btnClearFind, &QPushButton::clicked, this, &FindPanel::clearClicked);
    connect(btnCloseFind, &QPushButton::clicked, this, &FindPanel::btnCloseFindClick);
}

void FindPanel::place(const QRect &list)
{
    m_list = list;
    const MainLayout::FindPanelPlaces places =
        MainLayout::findPanel(list, ListGap, PanelHeight, measure(), btnGoFind->isVisibleTo(this));
    setGeometry(places.panel);
    lblSearchField->setGeometry(places.caption);
    cbShowOnly1->setGeometry(places.fieldBox);
    btnCloseFind->setGeometry(places.closeButton);
    cbShowOnly2->setGeometry(places.valueBox);
    btnGoFind->setGeometry(places.goButton);
    btnClearFind->setGeometry(places.clearButton);
    raise();
}

MainLayout::FindPanelSizes FindPanel::measure() const
{
    MainLayout::FindPanelSizes sizes;
    sizes.captionText = lblSearchField->fontMetrics().horizontalAdvance(lblSearchField->text());
    const QFontMetrics field = cbShowOnly1->fontMetrics();
    for (int i = 0; i < cbShowOnly1->count(); ++i)
        sizes.widestField = qMax(sizes.widestField, field.horizontalAdvance(cbShowOnly1->itemText(i)));
    // What the style puts round a text in the box, the way the box sizes itself to one.
    QStyleOptionComboBox option;
    option.initFrom(cbShowOnly1);
    option.editable = true;
    sizes.fieldBoxChrome =
        cbShowOnly1->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, field.height()), cbShowOnly1).width();
    sizes.closeButton = btnCloseFind->width();
    sizes.goButton = btnGoFind->sizeHint().width();
    sizes.clearButton = btnClearFind->sizeHint().width();
    return sizes;
}

QList<QWidget *> FindPanel::tabChain() const
{
    return {lblSearchField, cbShowOnly1, cbShowOnly2};
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
    place(m_list);
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
    if (btnGoFind->isVisibleTo(this) != searchOffered) {
        btnGoFind->setVisible(searchOffered);
        place(m_list);
    }
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
