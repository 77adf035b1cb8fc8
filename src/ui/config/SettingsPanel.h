#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class LibrarySession;
class QPushButton;

// The "Config" tab's own options: the library root and the start and close options. Every
// click goes to the session, which takes it and writes it at once.
class SettingsPanel : public QWidget
{
    Q_OBJECT
public:
    SettingsPanel(LibrarySession &session, QWidget *parent);

    // Ticks the boxes to match the session, without writing anything.
    void showOptions();
    void showLibraryRoot(const QString &root);
    // Further areas of the Config tab stack below the options.
    void addArea(QWidget *area);

private:
    void btnVADBrowseClick();

    LibrarySession &m_session;
    QLabel *lblVADFolder = nullptr;
    QPushButton *btnVADBrowse = nullptr;
    QCheckBox *checkConfirmClose = nullptr;
    QCheckBox *checkRememberLast = nullptr;
    QCheckBox *checkShowDates = nullptr;
};
