#pragma once

#include "ui/wizard/TfrmAddWizard.h"
#include "wizard/EntryFields.h"

#include <QString>

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The controls of the "Add Game Wizard" window, laid out in three columns of fields above the
// ini file's name and the buttons. The window owns the behaviour; this only builds and reaches.
// A private part of the window: nothing else can name it, so its controls stay the window's.
class TfrmAddWizard::Controls
{
public:
    explicit Controls(QWidget &window);

    QComboBox *cbLoadGame = nullptr;
    QLineEdit *eName = nullptr;
    QLineEdit *eYear = nullptr;
    QComboBox *ePlatform = nullptr;
    QLineEdit *eManual = nullptr;
    QComboBox *ePublisher = nullptr;
    QComboBox *eDeveloper = nullptr;
    QComboBox *eGenre = nullptr;
    QComboBox *cbRating = nullptr;
    QComboBox *eSubGenre = nullptr;
    QComboBox *eSubGenre2 = nullptr;
    QComboBox *eDesigner = nullptr;
    QComboBox *eDesigner2 = nullptr;
    QComboBox *eSeries = nullptr;
    QComboBox *eSeries2 = nullptr;
    QLineEdit *eExecutable = nullptr;
    QComboBox *eDBScumm = nullptr;
    QLabel *lblEmulator = nullptr;
    QComboBox *eEmulator = nullptr;
    QLineEdit *eSetup = nullptr;
    QLineEdit *eCustomEmuPath = nullptr;
    QLineEdit *eFront01 = nullptr;
    QLineEdit *eBack01 = nullptr;
    QLineEdit *eMedia01 = nullptr;
    QLineEdit *eTitle01 = nullptr;
    QLineEdit *eScreen01 = nullptr;
    QLineEdit *eAdv01 = nullptr;
    std::array<QLineEdit *, 7> eExtra{};
    std::array<QLineEdit *, 7> eExtraLink{};
    QLineEdit *eAbout = nullptr;
    QPlainTextEdit *memAbout = nullptr;
    QLineEdit *eIniFileName = nullptr;
    QLineEdit *ePath = nullptr;

    QPushButton *btnLoadini = nullptr;
    QPushButton *btnDupe = nullptr;
    QPushButton *btnOkay = nullptr;
    QPushButton *btnOkayOld = nullptr;
    QPushButton *btnAboutCreate = nullptr;
    QPushButton *btnBrowse = nullptr;
    QPushButton *btnClearAll = nullptr;

    // The text of the control that edits a field, and setting it; a list keeps its items.
    QString text(EntryField field) const;
    void setText(EntryField field, const QString &text);

private:
    QLineEdit *addLine(QGridLayout *grid, int row, int column, const char *name, const QString &caption);
    QComboBox *addList(QGridLayout *grid, int row, int column, const char *name, const QString &caption);
    QLabel *addLabel(QGridLayout *grid, int row, int column, const QString &caption, QWidget *buddy);
    void remember(QWidget *control);
    void buildGameColumn(QGridLayout *grid);
    void buildFilesColumn(QGridLayout *grid);
    void buildExtrasColumn(QGridLayout *grid);
    void buildIniRow(QGridLayout *grid, int row);

    QWidget &m_window;
    std::array<QWidget *, EntryFieldCount> m_fieldControls{};
};
