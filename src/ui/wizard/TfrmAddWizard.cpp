#include "ui/wizard/TfrmAddWizard.h"

#include "base/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/LaunchModel.h"
#include "session/BrowseModel.h"
#include "ui/common/WaitCursor.h"
#include "ui/wizard/AddWizardControls.h"
#include "wizard/EntryFiles.h"
#include "wizard/EntryLoader.h"
#include "wizard/EntryValueLists.h"
#include "wizard/EntryWriter.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace {

void fill(QComboBox *list, const QStringList &items)
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(items);
    list->setEditText(QString());
}

} // namespace

TfrmAddWizard::TfrmAddWizard(LibrarySession &session, QWidget &mainWindow)
    : QWidget(&mainWindow, Qt::Window), m_session(session), m_mainWindow(mainWindow),
      m_controls(std::make_unique<Controls>(*this)), m_files(session.entryFiles())
{
    setObjectName(QStringLiteral("TfrmAddWizard"));
    setWindowTitle(QStringLiteral("Add Game Wizard"));
    wireControls();
    FormCreate();
    adjustSize();
}

TfrmAddWizard::~TfrmAddWizard() = default;

Dialogs &TfrmAddWizard::dialogs() const
{
    return m_session.platform().dialogs;
}

void TfrmAddWizard::wireControls()
{
    Controls &c = *m_controls;
    connect(c.cbLoadGame, &QComboBox::editTextChanged, this, &TfrmAddWizard::cbLoadGameChange);
    connect(c.btnClearAll, &QPushButton::clicked, this, &TfrmAddWizard::btnClearAllClick);
    connect(c.btnDupe, &QPushButton::clicked, this, &TfrmAddWizard::btnDupeClick);
    connect(c.btnBrowse, &QPushButton::clicked, this, &TfrmAddWizard::btnBrowseClick);
    connect(c.btnOkay, &QPushButton::clicked, this, &TfrmAddWizard::btnOkayClick);
    connect(c.btnOkayOld, &QPushButton::clicked, this, &TfrmAddWizard::btnOkayOldClick);
    connect(c.btnLoadini, &QPushButton::clicked, this, &TfrmAddWizard::btnLoadiniClick);
    connect(c.btnAboutCreate, &QPushButton::clicked, this, &TfrmAddWizard::btnAboutCreateClick);
    c.lblEmulator->installEventFilter(this);
    c.control(EntryField::CustomEmuPath)->installEventFilter(this);
    // Closing by the keyboard hides the window like its close button does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void TfrmAddWizard::FormCreate()
{
    Controls &c = *m_controls;
    c.memAbout->clear();
    const EntryValueLists lists = EntryValueLists::build(m_session.library().table(), m_session.launch().registry());
    fill(c.cbLoadGame, lists.loadGame);
    for (const EntryFormCells::Cell &cell : EntryFormCells::cells()) {
        if (cell.list)
            fill(qobject_cast<QComboBox *>(c.control(cell.field)), EntryForm::itemsFor(cell.field, lists));
    }
}

bool TfrmAddWizard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_controls->lblEmulator)
            lblEmulatorClick();
        else if (watched == m_controls->control(EntryField::CustomEmuPath))
            eCustomEmuPathClick();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmAddWizard::centreOnMain()
{
    const QRect main = m_mainWindow.frameGeometry();
    const QSize own = frameGeometry().size();
    move(main.left() + main.width() / 2 - own.width() / 2, main.top() + main.height() / 2 - own.height() / 2);
}

void TfrmAddWizard::showFromMain(bool editCurrent)
{
    centreOnMain();
    if (editCurrent) {
        const QString name = m_session.browse().selectedIndex() >= 0 ? m_session.browse().details().name : QString();
        {
            const QSignalBlocker quiet(m_controls->cbLoadGame);
            m_controls->cbLoadGame->setEditText(name);
        }
        cbLoadGameChange();
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // The frame is known once the window is shown the first time; its width counts as well.
    centreOnMain();
    raise();
    activateWindow();
}

GameEntry TfrmAddWizard::entry() const
{
    GameEntry entry;
    for (const EntryFieldInfo &info : entryFields())
        entry[info.field] = m_controls->text(info.field);
    entry.aboutText = m_controls->memAbout->toPlainText();
    return entry;
}

void TfrmAddWizard::showEntry(const GameEntry &entry)
{
    for (const EntryFieldInfo &info : entryFields())
        m_controls->setText(info.field, entry[info.field]);
    m_controls->memAbout->setPlainText(entry.aboutText);
}

void TfrmAddWizard::cbLoadGameChange()
{
    // A name that is no game's (one still being typed) leaves the fields as they are, rather
    // than filling them with the table's headings.
    const std::optional<GameEntry> game = EntryLoader::fromTable(
        m_session.library().table(), m_session.library().root(), m_controls->cbLoadGame->currentText());
    if (game)
        showEntry(*game);
}

void TfrmAddWizard::btnClearAllClick()
{
    showEntry(clearedEntry());
}

void TfrmAddWizard::btnDupeClick()
{
    const QString front = m_controls->text(EntryField::Front01);
    for (EntryField picture : frontCopyFields())
        m_controls->setText(picture, front);
}

void TfrmAddWizard::lblEmulatorClick()
{
    dialogs().message(EntryForm::emulatorHelp());
}

void TfrmAddWizard::eCustomEmuPathClick()
{
    if (const std::optional<QString> program = m_files.chooseEmulator())
        m_controls->setText(EntryField::CustomEmuPath, *program);
}

void TfrmAddWizard::btnBrowseClick()
{
    const QString gameFolder = dialogs().browseFolder(QStringLiteral("Browse for Game Folder"));
    m_controls->ePath->setText(QDir::toNativeSeparators(gameFolder));
    m_files.createDefaultFolders(gameFolder, m_controls->eIniFileName->text(), m_session.settings().fields());
}

bool TfrmAddWizard::saveIni()
{
    const QString metadataFolder = m_session.browse().selectedIndex() >= 0 ? m_session.browse().details().metadataFolder : QString();
    const std::optional<QString> file = m_files.chooseIniFile(metadataFolder);
    if (!file)
        return false;
    const GameEntry shown = entry();
    const Result<void> written = [&] {
        const WaitCursor wait;
        return EntryWriter::writeKeys(*file, EntryWriter::gameKeys(shown));
    }();
    if (!written) {
        dialogs().message(written.error().message());
        return false;
    }
    // Pasted line breaks and outer blanks are not in the file; the fields show what it holds.
    const GameEntry stored = EntryWriter::storedEntry(shown);
    if (!(stored == shown))
        showEntry(stored);
    return true;
}

void TfrmAddWizard::btnOkayClick()
{
    if (!saveIni())
        return;
    const WaitCursor wait;
    m_session.scanAgain();
}

void TfrmAddWizard::btnOkayOldClick()
{
    saveIni();
}

void TfrmAddWizard::btnLoadiniClick()
{
    if (const std::optional<GameEntry> loaded = m_files.loadIni(m_controls->memAbout->toPlainText()))
        showEntry(*loaded);
}

void TfrmAddWizard::btnAboutCreateClick()
{
    m_files.createAbout(m_controls->text(EntryField::About), m_controls->memAbout->toPlainText());
}
