#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class SettingsFile;
struct MainState;
struct Platform;

// The "Config" tab's own options: the library root and the start and close options. Every
// click takes effect and is written at once.
class SettingsPanel : public QWidget
{
    Q_OBJECT
public:
    SettingsPanel(MainState &state, SettingsFile &settings, const Platform &platform, QWidget *parent);

    QLabel *lblVADFolder = nullptr;
    QPushButton *btnVADBrowse = nullptr;
    QCheckBox *checkConfirmClose = nullptr;
    QCheckBox *checkRememberLast = nullptr;
    QCheckBox *checkShowDates = nullptr;

    // Ticks the boxes to match the state, without writing anything.
    void showOptions();
    void showLibraryRoot();
    // Further areas of the Config tab stack below the options.
    void addArea(QWidget *area);

signals:
    void showDatesChanged(bool show);

private:
    void btnVADBrowseClick();
    void checkConfirmCloseClick();
    void checkRememberLastClick();
    void checkShowDatesClick();

    MainState &m_state;
    SettingsFile &m_settings;
    const Platform &m_platform;
};
