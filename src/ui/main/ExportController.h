#pragma once

#include <QObject>

class DetailsPanel;
class LibrarySession;
class QProgressBar;
class QWidget;

// "Export to LaunchBox": asks for the data file, runs the export over the working table with the
// gauge over the name banner, and tells the user when it was refused or could not be saved.
class ExportController : public QObject
{
    Q_OBJECT
  public:
    // The gauge is a child of `page`, placed over the name of `details` (a descendant of the
    // page) while an export runs.
    ExportController(LibrarySession &session, QWidget &page, const DetailsPanel &details);

    void mnuExportClick();

  private:
    LibrarySession &m_session;
    QWidget &m_page;
    const DetailsPanel &m_details;
    QProgressBar *pbExporting = nullptr;
};
