#include "ui/wizard/AddWizardControls.h"

#include "ui/common/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *makeButton(QWidget &parent, const char *name, const QString &caption)
{
    auto *button = named(new QPushButton(caption, &parent), name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmAddWizard::Controls::Controls(QWidget &window) : m_window(window)
{
    auto *outer = new QVBoxLayout(&window);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    outer->addLayout(grid, 1);
    buildFields(grid);
    for (const int column : {1, 3, 5})
        grid->setColumnStretch(column, 1);
    buildIniRow(grid, 16);

    auto *buttons = new QHBoxLayout;
    btnBrowse = makeButton(window, "btnBrowse", QStringLiteral("Create Default Folders and ini File"));
    btnLoadini = makeButton(window, "btnLoadini", QStringLiteral("Load ini"));
    btnOkay = makeButton(window, "btnOkay", QStringLiteral("Save New ini"));
    btnOkayOld = makeButton(window, "btnOkayOld", QStringLiteral("Save Existing ini"));
    btnClearAll = makeButton(window, "btnClearAll", QStringLiteral("Clear All Fields"));
    buttons->addWidget(btnBrowse);
    buttons->addStretch(1);
    buttons->addWidget(btnLoadini);
    buttons->addWidget(btnOkay);
    buttons->addWidget(btnOkayOld);
    buttons->addStretch(1);
    buttons->addWidget(btnClearAll);
    outer->addLayout(buttons);
}

void TfrmAddWizard::Controls::buildFields(QGridLayout *grid)
{
    cbLoadGame = addList(grid, 0, 0, "cbLoadGame", QStringLiteral("Load Existing Game:"));
    // A game name is chosen from thousands: the list shows more than the default ten at a time.
    cbLoadGame->setMaxVisibleItems(20);
    for (const EntryFormCells::Cell &cell : EntryFormCells::cells()) {
        if (cell.field == EntryField::Extra1)
            addExtrasHeading(grid);
        const char *name = cell.name;
        const QString caption = QLatin1String(cell.caption);
        QWidget *control = cell.list ? static_cast<QWidget *>(addList(grid, cell.row, cell.column, name, caption))
                                     : addLine(grid, cell.row, cell.column, name, caption);
        control->setToolTip(QLatin1String(cell.toolTip));
        m_fieldControls[size_t(cell.field)] = control;
        if (cell.field == EntryField::Emulator)
            addEmulatorCaption(grid, cell);
        else if (cell.field == EntryField::Adv01)
            addDupeButton(grid, cell.row + 1);
        else if (cell.field == EntryField::About)
            addAboutText(grid, cell.row + 1);
    }
}

void TfrmAddWizard::Controls::addEmulatorCaption(QGridLayout *grid, const EntryFormCells::Cell &cell)
{
    lblEmulator = qobject_cast<QLabel *>(grid->itemAtPosition(cell.row, cell.column)->widget());
    lblEmulator->setObjectName(QStringLiteral("lblEmulator"));
    lblEmulator->setCursor(Qt::PointingHandCursor);
    lblEmulator->setToolTip(QStringLiteral("Click for the values the Emulator field takes"));
}

void TfrmAddWizard::Controls::addDupeButton(QGridLayout *grid, int row)
{
    btnDupe = makeButton(m_window, "btnDupe", QStringLiteral("Dupe Front"));
    btnDupe->setToolTip(QStringLiteral("Use the Front picture for all six pictures"));
    grid->addWidget(btnDupe, row, 3, Qt::AlignLeft);
}

void TfrmAddWizard::Controls::addAboutText(QGridLayout *grid, int row)
{
    memAbout = new QPlainTextEdit(&m_window);
    memAbout->setObjectName(QStringLiteral("memAbout"));
    memAbout->setTabChangesFocus(true);
    grid->addWidget(memAbout, row, 2, 2, 2);
    btnAboutCreate = makeButton(m_window, "btnAboutCreate", QStringLiteral("Create"));
    btnAboutCreate->setToolTip(QStringLiteral("Write this text to the About file"));
    grid->addWidget(btnAboutCreate, row + 2, 3, Qt::AlignRight);
}

void TfrmAddWizard::Controls::addExtrasHeading(QGridLayout *grid)
{
    auto *heading = new QLabel(QStringLiteral("Extras"), &m_window);
    heading->setObjectName(QStringLiteral("lblExtras"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 4, 1, 2);
}

void TfrmAddWizard::Controls::buildIniRow(QGridLayout *grid, int row)
{
    eIniFileName = addLine(grid, row, 0, "eIniFileName", QStringLiteral("Ini File Name:"));
    eIniFileName->setToolTip(QStringLiteral("The name of the new ini file; \".ini\" is added to it"));
    ePath = new QLineEdit(&m_window);
    ePath->setObjectName(QStringLiteral("ePath"));
    ePath->setEnabled(false);
    QLabel *pathLabel = addLabel(grid, row, 2, QStringLiteral("Path:"), ePath);
    pathLabel->setObjectName(QStringLiteral("lblPath"));
    pathLabel->setEnabled(false);
    grid->addWidget(ePath, row, 3, 1, 3);
}

QLabel *TfrmAddWizard::Controls::addLabel(QGridLayout *grid, int row, int column, const QString &caption,
                                          QWidget *buddy)
{
    auto *label = new QLabel(caption, &m_window);
    label->setBuddy(buddy);
    grid->addWidget(label, row, column);
    return label;
}

QLineEdit *TfrmAddWizard::Controls::addLine(QGridLayout *grid, int row, int column, const char *name,
                                            const QString &caption)
{
    auto *edit = named(new QLineEdit(&m_window), name);
    addLabel(grid, row, column, caption, edit);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

QComboBox *TfrmAddWizard::Controls::addList(QGridLayout *grid, int row, int column, const char *name,
                                            const QString &caption)
{
    auto *list = named(new QComboBox(&m_window), name);
    list->setEditable(true);
    // Enter takes the typed text as the field's value; it does not add it to the list.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(12);
    // A list of every game name may hold many thousand items; rows of one height open it at once.
    if (auto *view = qobject_cast<QListView *>(list->view()))
        view->setUniformItemSizes(true);
    addLabel(grid, row, column, caption, list);
    grid->addWidget(list, row, column + 1);
    return list;
}

QWidget *TfrmAddWizard::Controls::control(EntryField field) const
{
    return m_fieldControls[size_t(field)];
}

QString TfrmAddWizard::Controls::text(EntryField field) const
{
    QWidget *control = m_fieldControls[size_t(field)];
    if (auto *list = qobject_cast<QComboBox *>(control))
        return list->currentText();
    return static_cast<QLineEdit *>(control)->text();
}

void TfrmAddWizard::Controls::setText(EntryField field, const QString &text)
{
    QWidget *control = m_fieldControls[size_t(field)];
    if (auto *list = qobject_cast<QComboBox *>(control))
        list->setEditText(text);
    else
        static_cast<QLineEdit *>(control)->setText(text);
}
