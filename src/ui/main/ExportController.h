#pragma once

#include <QObject>

class LibrarySession;
class QLabel;
class QProgressBar;
class QWidget;

// "Export to LaunchBox": asks for the data file, runs the export over the working table with the
// gauge over the name banner, and tells the user when it was refused or could not be saved.
class ExportController : public QObject
{
    Q_OBJECT
  public:
    // The gauge is a child of `page`, placed over `nameLabel` (a descendant of the page) while
    // an export runs.
    ExportController(LibrarySession &session, QWidget &page, QLabel &nameLabel);

    void mnuExportClick();

  private:
    LibrarySession &m_session;
    QWidget &m_page;
    QLabel &m_nameLabel;
    QProgressBar *pbExporting = nullptr;
};
