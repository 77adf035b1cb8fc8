#include "ui/import/TfrmImport.h"

#include "import/ImportEmulators.h"
#include "import/ImportJob.h"
#include "presentation/ImportPreviewModel.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "ui/common/Controls.h"
#include "ui/import/ImportProgramDelegate.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

// The kinds in the order of the kind box.
const SourceKind kKinds[] = {SourceKind::LaunchBox, SourceKind::EmulationStation, SourceKind::GameFolders};

} // namespace

TfrmImport::TfrmImport(LibrarySession &session, QWidget *parent)
    : QDialog(parent), m_session(session), m_job(new ImportJob(this)), m_model(new ImportPreviewModel(this))
{
    setObjectName(QStringLiteral("TfrmImport"));
    setWindowTitle(QStringLiteral("Import"));
    buildControls();
    connect(m_job, &ImportJob::progress, this, [this](int done, int total) {
        pbImport->setRange(0, total);
        pbImport->setValue(done);
    });
    connect(m_job, &ImportJob::finished, this, &TfrmImport::jobFinished);
    connect(m_model, &ImportPreviewModel::countsChanged, this, [this] {
        lblCounts->setText(m_model->countsText());
        btnImport->setEnabled(m_running == Running::Nothing && m_model->preview().counts().ticked > 0);
    });
    resize(780, 560);
}

TfrmImport::~TfrmImport() = default;

void TfrmImport::buildControls()
{
    eSource = named(new QLineEdit(this), QStringLiteral("eSource"));
    btnSourceFile = named(new QPushButton(QStringLiteral("&File…"), this), QStringLiteral("btnSourceFile"));
    btnSourceFolder = named(new QPushButton(QStringLiteral("F&older…"), this), QStringLiteral("btnSourceFolder"));
    cbKind = named(new QComboBox(this), QStringLiteral("cbKind"));
    cbKind->addItems({QStringLiteral("LaunchBox data file"), QStringLiteral("EmulationStation gamelist.xml"),
                      QStringLiteral("Folder of game folders")});
    lblPlatform = new QLabel(QStringLiteral("&Platform:"), this);
    ePlatform = named(new QLineEdit(QStringLiteral("DOS"), this), QStringLiteral("ePlatform"));
    lblPlatform->setBuddy(ePlatform);
    lblEmulator = new QLabel(QStringLiteral("&Emulator:"), this);
    cbEmulator = named(new QComboBox(this), QStringLiteral("cbEmulator"));
    cbEmulator->setEditable(true);
    cbEmulator->addItem(QString());
    cbEmulator->addItems(ImportEmulators::launchValues());
    cbEmulator->setCurrentText(QStringLiteral("DOSBox"));
    lblEmulator->setBuddy(cbEmulator);
    cbCategory = named(new QComboBox(this), QStringLiteral("cbCategory"));
    cbCategory->setEditable(true);
    radioLink = named(new QRadioButton(QStringLiteral("&Link to them"), this), QStringLiteral("radioLink"));
    radioCopy = named(new QRadioButton(QStringLiteral("Cop&y them"), this), QStringLiteral("radioCopy"));
    radioMove = named(new QRadioButton(QStringLiteral("&Move them"), this), QStringLiteral("radioMove"));
    radioLink->setChecked(true);
    auto *modes = new QButtonGroup(this);
    for (QRadioButton *radio : {radioLink, radioCopy, radioMove})
        modes->addButton(radio);
    btnPreview = named(new QPushButton(QStringLiteral("P&review"), this), QStringLiteral("btnPreview"));

    gridPreview = named(new QTableView(this), QStringLiteral("gridPreview"));
    gridPreview->setModel(m_model);
    gridPreview->setItemDelegateForColumn(ImportPreviewModel::Program, new ImportProgramDelegate(*m_model, gridPreview));
    gridPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridPreview->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::SelectedClicked);
    gridPreview->verticalHeader()->hide();
    // Rows of one height: a preview of thousands of games is not measured row by row.
    gridPreview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gridPreview->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView *header = gridPreview->horizontalHeader();
    header->setStretchLastSection(true);
    const int widths[] = {24, 160, 70, 40, 130, 120, 90};
    for (int column = 0; column < int(std::size(widths)); ++column)
        header->resizeSection(column, widths[column]);
    memoSummary = named(new QPlainTextEdit(this), QStringLiteral("memoSummary"));
    memoSummary->setReadOnly(true);
    pages = new QStackedWidget(this);
    pages->addWidget(gridPreview);
    pages->addWidget(memoSummary);

    lblRowProblems = named(new QLabel(this), QStringLiteral("lblRowProblems"));
    lblRowProblems->setWordWrap(true);
    lblCounts = named(new QLabel(this), QStringLiteral("lblCounts"));
    pbImport = named(new QProgressBar(this), QStringLiteral("pbImport"));
    pbImport->setTextVisible(false);
    pbImport->hide();
    btnImport = named(new QPushButton(QStringLiteral("&Import"), this), QStringLiteral("btnImport"));
    btnImport->setEnabled(false);
    btnCancel = named(new QPushButton(QStringLiteral("Close"), this), QStringLiteral("btnCancel"));
    for (QPushButton *button : {btnSourceFile, btnSourceFolder, btnPreview, btnImport, btnCancel})
        button->setAutoDefault(false);
    btnPreview->setDefault(true);

    auto *form = new QGridLayout;
    const auto labelled = [this, form](int row, const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        form->addWidget(label, row, 0);
    };
    labelled(0, QStringLiteral("&Source:"), eSource);
    form->addWidget(eSource, 0, 1, 1, 4);
    form->addWidget(btnSourceFile, 0, 5);
    form->addWidget(btnSourceFolder, 0, 6);
    labelled(1, QStringLiteral("&Kind:"), cbKind);
    form->addWidget(cbKind, 1, 1);
    form->addWidget(lblPlatform, 1, 2);
    form->addWidget(ePlatform, 1, 3);
    form->addWidget(lblEmulator, 1, 4);
    form->addWidget(cbEmulator, 1, 5, 1, 2);
    labelled(2, QStringLiteral("&Category:"), cbCategory);
    form->addWidget(cbCategory, 2, 1);
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(new QLabel(QStringLiteral("Game files:"), this));
    for (QRadioButton *radio : {radioLink, radioCopy, radioMove})
        modeRow->addWidget(radio);
    modeRow->addStretch();
    form->addLayout(modeRow, 2, 2, 1, 4);
    form->addWidget(btnPreview, 2, 6);
    form->setColumnStretch(1, 2);
    form->setColumnStretch(3, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(pbImport, 1);
    bottom->addWidget(lblCounts, 1);
    bottom->addWidget(btnImport);
    bottom->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(pages, 1);
    layout->addWidget(lblRowProblems);
    layout->addLayout(bottom);

    // The problems of the row the cursor is on, in full: the column shows only their start.
    const auto showRowProblems = [this] {
        const QModelIndex current = gridPreview->currentIndex();
        lblRowProblems->setText(
            current.isValid() ? m_model->index(current.row(), ImportPreviewModel::Problems).data().toString() : QString());
    };
    connect(gridPreview->selectionModel(), &QItemSelectionModel::currentRowChanged, this, showRowProblems);
    connect(m_model, &QAbstractItemModel::dataChanged, this, showRowProblems);
    connect(m_model, &QAbstractItemModel::modelReset, lblRowProblems, &QLabel::clear);
    connect(btnSourceFile, &QPushButton::clicked, this, &TfrmImport::btnSourceFileClick);
    connect(btnSourceFolder, &QPushButton::clicked, this, &TfrmImport::btnSourceFolderClick);
    connect(eSource, &QLineEdit::editingFinished, this, [this] { sourceChosen(eSource->text()); });
    connect(cbKind, &QComboBox::currentIndexChanged, this, &TfrmImport::kindChanged);
    connect(btnPreview, &QPushButton::clicked, this, &TfrmImport::btnPreviewClick);
    connect(btnImport, &QPushButton::clicked, this, &TfrmImport::btnImportClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmImport::btnCancelClick);
    kindChanged();
}

void TfrmImport::showFromMain()
{
    if (m_job->isRunning()) {
        raise();
        activateWindow();
        return;
    }
    const QString typed = cbCategory->currentText();
    cbCategory->clear();
    cbCategory->addItems(m_session.library().state().lbDirList);
    cbCategory->setCurrentText(typed.isEmpty() ? cbCategory->itemText(0) : typed);
    show();
    raise();
    activateWindow();
    eSource->setFocus();
}

void TfrmImport::sourceChosen(const QString &path)
{
    eSource->setText(path);
    if (const Result<SourceKind> kind = ImportSource::detect(path))
        cbKind->setCurrentIndex(int(std::find(std::begin(kKinds), std::end(kKinds), *kind) - std::begin(kKinds)));
}

void TfrmImport::kindChanged()
{
    const bool folders = kKinds[qMax(0, cbKind->currentIndex())] == SourceKind::GameFolders;
    for (QWidget *control : {static_cast<QWidget *>(lblPlatform), static_cast<QWidget *>(ePlatform),
                             static_cast<QWidget *>(lblEmulator), static_cast<QWidget *>(cbEmulator)})
        control->setVisible(folders);
}

void TfrmImport::btnSourceFileClick()
{
    const QString file = m_session.platform().dialogs.openFile(
        QStringLiteral("Import from"), QStringLiteral("LaunchBox or EmulationStation file (*.xml)|*.xml"), QString());
    if (!file.isEmpty())
        sourceChosen(file);
}

void TfrmImport::btnSourceFolderClick()
{
    const QString folder = m_session.platform().dialogs.browseFolder(QStringLiteral("Import from"));
    if (!folder.isEmpty())
        sourceChosen(folder);
}

SourceRequest TfrmImport::sourceRequest() const
{
    SourceRequest request;
    request.path = eSource->text().trimmed();
    request.kind = kKinds[qMax(0, cbKind->currentIndex())];
    request.platform = ePlatform->text().trimmed();
    request.emulator = cbEmulator->currentText().trimmed();
    return request;
}

ImportTarget TfrmImport::target() const
{
    const FileMode mode = radioMove->isChecked() ? FileMode::Move
                          : radioCopy->isChecked() ? FileMode::Copy
                                                   : FileMode::Link;
    return {m_session.library().root(), cbCategory->currentText().trimmed(), mode};
}

void TfrmImport::setRunning(bool running)
{
    for (QWidget *control : std::initializer_list<QWidget *>{eSource, btnSourceFile, btnSourceFolder, cbKind, ePlatform,
                                                             cbEmulator, cbCategory, radioLink, radioCopy, radioMove,
                                                             btnPreview, gridPreview})
        control->setEnabled(!running);
    btnImport->setEnabled(!running && m_model->preview().counts().ticked > 0 && pages->currentWidget() == gridPreview);
    btnCancel->setText(running ? QStringLiteral("Cancel") : QStringLiteral("Close"));
    pbImport->setVisible(running);
    if (!running)
        m_running = Running::Nothing;
}

void TfrmImport::btnPreviewClick()
{
    pages->setCurrentWidget(gridPreview);
    m_model->setPreview(ImportPreview());
    m_running = Running::Preview;
    // The gauge says only that something happens: how long a source takes to read is not known.
    pbImport->setRange(0, 0);
    setRunning(true);
    m_job->preview(sourceRequest(), target(), m_session.library().state().lbDirList);
}

void TfrmImport::btnImportClick()
{
    Dialogs &dialogs = m_session.platform().dialogs;
    const int ticked = m_model->preview().counts().ticked;
    const ImportTarget into = target();
    if (into.mode == FileMode::Move &&
        !dialogs.confirm(
            QStringLiteral("Move the files of the %1 ticked games into the library? They will no longer be "
                           "where they are now.")
                .arg(ticked)))
        return;
    Result<QString> category = m_session.library().prepareImportCategory(into.category);
    if (!category) {
        dialogs.message(category.error().message());
        return;
    }
    m_importedCategory = *category;
    m_running = Running::Import;
    pbImport->setRange(0, ticked);
    pbImport->setValue(0);
    setRunning(true);
    m_job->import(m_model->preview().rows, {into.libraryRoot, *category, into.mode});
}

void TfrmImport::jobFinished()
{
    const Running finished = m_running;
    setRunning(false);
    if (finished == Running::Preview) {
        Result<ImportPreview> preview = m_job->takePreview();
        if (!preview) {
            if (preview.error().kind() != Failure::Kind::Cancelled)
                m_session.platform().dialogs.message(preview.error().message());
            lblCounts->clear();
            return;
        }
        m_model->setPreview(std::move(*preview));
        btnImport->setDefault(true);
        gridPreview->setFocus();
        return;
    }
    const ImportSummary summary = m_job->takeSummary();
    memoSummary->setPlainText(summary.lines(m_importedCategory).join(QLatin1Char('\n')));
    pages->setCurrentWidget(memoSummary);
    m_model->setPreview(ImportPreview());
    btnImport->setEnabled(false);
    btnPreview->setDefault(true);
    btnCancel->setFocus();
    // The new games are listed once the library has been read again.
    if (!summary.made.empty())
        m_session.library().refreshAllWhenIdle();
}

void TfrmImport::btnCancelClick()
{
    reject();
}

void TfrmImport::reject()
{
    if (m_job->isRunning()) {
        m_job->cancel();
        return;
    }
    QDialog::reject();
}
