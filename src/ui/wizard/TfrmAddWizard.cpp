#include "ui/wizard/TfrmAddWizard.h"

#include "app/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "ui/common/WaitCursor.h"
#include "ui/wizard/AddWizardControls.h"
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

const QString &iniFilter()
{
    static const QString filter = QStringLiteral("Ini Files (*.ini)|*.INI");
    return filter;
}

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
      m_controls(std::make_unique<Controls>(*this))
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
    c.eCustomEmuPath->installEventFilter(this);
    // Closing by the keyboard hides the window like its close button does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void TfrmAddWizard::FormCreate()
{
    Controls &c = *m_controls;
    c.memAbout->clear();
    const EntryValueLists lists = EntryValueLists::build(m_session.table(), m_session.state().emulators);
    fill(c.cbLoadGame, lists.loadGame);
    fill(c.eDBScumm, lists.dbScumm);
    fill(c.eEmulator, lists.emulator);
    fill(c.ePublisher, lists.publisher);
    fill(c.eDeveloper, lists.developer);
    fill(c.eGenre, lists.genre);
    fill(c.eSubGenre, lists.subGenre);
    fill(c.eSubGenre2, lists.subGenre);
    fill(c.eDesigner, lists.designer);
    fill(c.eDesigner2, lists.designer);
    fill(c.ePlatform, lists.platform);
    fill(c.eSeries, lists.series);
    fill(c.eSeries2, lists.series);
    fill(c.cbRating, ratingItems());
}

bool TfrmAddWizard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_controls->lblEmulator)
            lblEmulatorClick();
        else if (watched == m_controls->eCustomEmuPath)
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
        const QString name = m_session.selectedIndex() >= 0 ? m_session.details().name : QString();
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
        m_session.table(), m_session.state().library.LibraryRoot, m_controls->cbLoadGame->currentText());
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
    dialogs().message(QStringLiteral("Valid Emu options for Emulator = DOSBox, ScummVM, WinFrotz, NES, SNES, N64, GBA, "
                                     "2600, 5200, SMS, MAME, Mac, Apple II, Windows 3.1 or MESS."));
}

void TfrmAddWizard::eCustomEmuPathClick()
{
    const QString program =
        dialogs().openFile(QStringLiteral("Custom Emu Path"), QStringLiteral("Exe Files (*.exe)|*.EXE"), QString());
    if (!program.isEmpty())
        m_controls->eCustomEmuPath->setText(QDir::toNativeSeparators(program));
}

void TfrmAddWizard::btnBrowseClick()
{
    Controls &c = *m_controls;
    const QString gameFolder = dialogs().browseFolder(QStringLiteral("Browse for Game Folder"));
    c.ePath->setText(QDir::toNativeSeparators(gameFolder));
    const QString iniName = c.eIniFileName->text();
    if (const Result<void> allowed = EntryWriter::canCreateDefaultFolders(gameFolder, iniName); !allowed) {
        dialogs().message(allowed.error().message());
        return;
    }
    EntryWriter::createMetadataFolders(gameFolder);
    const QString iniFile = EntryWriter::blankIniFile(gameFolder, iniName);
    const QStringList fields = m_session.settings().fields();
    const QString question = EntryWriter::blankIniQuestion(iniFile, fields);
    if (!question.isEmpty() && !dialogs().confirm(question))
        return;
    if (const Result<void> written = EntryWriter::writeBlankIni(iniFile, fields); !written)
        dialogs().message(written.error().message());
}

std::optional<QString> TfrmAddWizard::chooseIniFile()
{
    const QString metadataFolder = m_session.selectedIndex() >= 0 ? m_session.details().metadataFolder : QString();
    const QString chosen = dialogs().saveFile(QStringLiteral("Save Game ini File"), iniFilter(),
                                              m_folders.proposedIniFile(metadataFolder));
    if (chosen.isEmpty())
        return std::nullopt;
    m_folders.iniFileChosen(chosen);
    return chosen;
}

bool TfrmAddWizard::saveIni()
{
    const std::optional<QString> file = chooseIniFile();
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
    GameEntry stored = EntryWriter::storedEntry(shown);
    stored.aboutText = shown.aboutText;
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
    const QString file = dialogs().openFile(QStringLiteral("Load Game ini File"), iniFilter(), m_folders.loadFolder());
    if (file.isEmpty())
        return;
    const Result<GameEntry> loaded = EntryLoader::fromIniFile(file);
    if (!loaded) {
        dialogs().message(loaded.error().message());
        return;
    }
    GameEntry shown = *loaded;
    shown.aboutText = m_controls->memAbout->toPlainText();
    showEntry(shown);
}

void TfrmAddWizard::btnAboutCreateClick()
{
    const QString aboutName = m_controls->eAbout->text();
    const QString text = m_controls->memAbout->toPlainText();
    if (const Result<void> allowed = EntryWriter::canWriteAbout(aboutName, text); !allowed) {
        dialogs().message(allowed.error().message());
        return;
    }
    const QString file =
        dialogs().saveFile(QStringLiteral("Save About File"), QString(), m_folders.proposedAboutFile(aboutName));
    if (file.isEmpty())
        return;
    m_folders.aboutFileChosen(file);
    if (const Result<void> written = EntryWriter::writeAboutFile(file, text); !written)
        dialogs().message(written.error().message());
}
