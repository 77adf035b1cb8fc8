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
    buildGameColumn(grid);
    buildFilesColumn(grid);
    buildExtrasColumn(grid);
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

void TfrmAddWizard::Controls::buildGameColumn(QGridLayout *grid)
{
    cbLoadGame = addList(grid, 0, 0, "cbLoadGame", QStringLiteral("Load Existing Game:"));
    eName = addLine(grid, 1, 0, "eName", QStringLiteral("Name:"));
    eYear = addLine(grid, 2, 0, "eYear", QStringLiteral("Year:"));
    ePlatform = addList(grid, 3, 0, "ePlatform", QStringLiteral("Platform:"));
    eManual = addLine(grid, 4, 0, "eManual", QStringLiteral("Manual:"));
    ePublisher = addList(grid, 5, 0, "ePublisher", QStringLiteral("Publisher:"));
    eDeveloper = addList(grid, 6, 0, "eDeveloper", QStringLiteral("Developer:"));
    eGenre = addList(grid, 7, 0, "eGenre", QStringLiteral("Genre:"));
    cbRating = addList(grid, 8, 0, "cbRating", QStringLiteral("Rating:"));
    eSubGenre = addList(grid, 9, 0, "eSubGenre", QStringLiteral("SubGenre:"));
    eSubGenre2 = addList(grid, 10, 0, "eSubGenre2", QStringLiteral("SubGenre 2:"));
    eDesigner = addList(grid, 11, 0, "eDesigner", QStringLiteral("Designer:"));
    eDesigner2 = addList(grid, 12, 0, "eDesigner2", QStringLiteral("Designer 2:"));
    eSeries = addList(grid, 13, 0, "eSeries", QStringLiteral("Series:"));
    eSeries2 = addList(grid, 14, 0, "eSeries2", QStringLiteral("Series 2:"));
    // A game name is chosen from thousands: the list shows more than the default ten at a time.
    cbLoadGame->setMaxVisibleItems(20);
}

void TfrmAddWizard::Controls::buildFilesColumn(QGridLayout *grid)
{
    eExecutable = addLine(grid, 0, 2, "eExecutable", QStringLiteral("Executable"));
    eDBScumm = addList(grid, 1, 2, "eDBScumm", QStringLiteral("DBConf/Scumm"));
    eEmulator = addList(grid, 2, 2, "eEmulator", QStringLiteral("Emulator"));
    lblEmulator = qobject_cast<QLabel *>(grid->itemAtPosition(2, 2)->widget());
    lblEmulator->setObjectName(QStringLiteral("lblEmulator"));
    lblEmulator->setCursor(Qt::PointingHandCursor);
    lblEmulator->setToolTip(QStringLiteral("Click for the values the Emulator field takes"));
    eSetup = addLine(grid, 3, 2, "eSetup", QStringLiteral("Setup Exe"));
    eCustomEmuPath = addLine(grid, 4, 2, "eCustomEmuPath", QStringLiteral("Custom Emu Path"));
    eCustomEmuPath->setToolTip(QStringLiteral("Click to choose the emulator program"));
    eFront01 = addLine(grid, 5, 2, "eFront01", QStringLiteral("Front"));
    eBack01 = addLine(grid, 6, 2, "eBack01", QStringLiteral("Back"));
    eMedia01 = addLine(grid, 7, 2, "eMedia01", QStringLiteral("Media"));
    eTitle01 = addLine(grid, 8, 2, "eTitle01", QStringLiteral("Title"));
    eScreen01 = addLine(grid, 9, 2, "eScreen01", QStringLiteral("Screen"));
    eAdv01 = addLine(grid, 10, 2, "eAdv01", QStringLiteral("Advertisement"));
    btnDupe = makeButton(m_window, "btnDupe", QStringLiteral("Dupe Front"));
    btnDupe->setToolTip(QStringLiteral("Use the Front picture for all six pictures"));
    grid->addWidget(btnDupe, 11, 3, Qt::AlignLeft);

    eAbout = addLine(grid, 12, 2, "eAbout", QStringLiteral("About"));
    memAbout = new QPlainTextEdit(&m_window);
    memAbout->setObjectName(QStringLiteral("memAbout"));
    memAbout->setTabChangesFocus(true);
    grid->addWidget(memAbout, 13, 2, 2, 2);
    btnAboutCreate = makeButton(m_window, "btnAboutCreate", QStringLiteral("Create"));
    btnAboutCreate->setToolTip(QStringLiteral("Write this text to the About file"));
    grid->addWidget(btnAboutCreate, 15, 3, Qt::AlignRight);
}

void TfrmAddWizard::Controls::buildExtrasColumn(QGridLayout *grid)
{
    auto *heading = new QLabel(QStringLiteral("Extras"), &m_window);
    heading->setObjectName(QStringLiteral("lblExtras"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 4, 1, 2);
    for (int n = 1; n <= 7; ++n) {
        const QByteArray extra = "eExtra" + QByteArray::number(n);
        const QByteArray link = "eExtraLink" + QByteArray::number(n);
        eExtra[size_t(n - 1)] = addLine(grid, 2 * n - 1, 4, extra.constData(), QStringLiteral("E%1").arg(n));
        eExtraLink[size_t(n - 1)] = addLine(grid, 2 * n, 4, link.constData(), QStringLiteral("ELink%1").arg(n));
    }
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
    remember(edit);
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
    remember(list);
    return list;
}

void TfrmAddWizard::Controls::remember(QWidget *control)
{
    for (const EntryFieldInfo &info : entryFields()) {
        if (control->objectName() == QLatin1String(info.control))
            m_fieldControls[size_t(info.field)] = control;
    }
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
