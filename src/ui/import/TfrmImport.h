#pragma once

#include "import/ImportSource.h"
#include "import/ImportWriter.h"

#include <QDialog>

class ImportJob;
class ImportPreviewModel;
class LibrarySession;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;

// Edit → Import…: the source and its kind, the category and what becomes of the game files, the
// preview with a tick per game, then the import with its gauge and the summary. Reading and
// writing run on the job's thread; the window only shows what it reports. Escape cancels what
// runs, or closes the window when nothing does.
class TfrmImport : public QDialog
{
    Q_OBJECT
public:
    TfrmImport(LibrarySession &session, QWidget *parent);
    ~TfrmImport() override;

    // Shown afresh, with the category folders the library has now.
    void showFromMain();

    void btnSourceFileClick();
    void btnSourceFolderClick();
    void btnPreviewClick();
    void btnImportClick();
    void btnCancelClick();

    void reject() override;

private:
    void buildControls();
    void sourceChosen(const QString &path);
    void kindChanged();
    void setRunning(bool running);
    void jobFinished();
    SourceRequest sourceRequest() const;
    ImportTarget target() const;

    LibrarySession &m_session;
    ImportJob *m_job = nullptr;
    ImportPreviewModel *m_model = nullptr;
    enum class Running { Nothing, Preview, Import } m_running = Running::Nothing;
    QString m_importedCategory;

    QLineEdit *eSource = nullptr;
    QPushButton *btnSourceFile = nullptr;
    QPushButton *btnSourceFolder = nullptr;
    QComboBox *cbKind = nullptr;
    QLabel *lblPlatform = nullptr;
    QLineEdit *ePlatform = nullptr;
    QLabel *lblEmulator = nullptr;
    QComboBox *cbEmulator = nullptr;
    QComboBox *cbCategory = nullptr;
    QRadioButton *radioLink = nullptr;
    QRadioButton *radioCopy = nullptr;
    QRadioButton *radioMove = nullptr;
    QPushButton *btnPreview = nullptr;
    QStackedWidget *pages = nullptr;
    QTableView *gridPreview = nullptr;
    QPlainTextEdit *memoSummary = nullptr;
    QLabel *lblRowProblems = nullptr;
    QLabel *lblCounts = nullptr;
    QProgressBar *pbImport = nullptr;
    QPushButton *btnImport = nullptr;
    QPushButton *btnCancel = nullptr;
};
