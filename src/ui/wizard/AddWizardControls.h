#pragma once

#include "presentation/EntryFormCells.h"
#include "ui/wizard/TfrmAddWizard.h"
#include "wizard/EntryFields.h"
#include "wizard/EntryForm.h"

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
    QLabel *lblEmulator = nullptr;
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
    // The control of a field: eName, ePublisher and the rest.
    QWidget *control(EntryField field) const;

private:
    QLineEdit *addLine(QGridLayout *grid, int row, int column, const char *name, const QString &caption);
    QComboBox *addList(QGridLayout *grid, int row, int column, const char *name, const QString &caption);
    QLabel *addLabel(QGridLayout *grid, int row, int column, const QString &caption, QWidget *buddy);
    // The fields' controls, each beside its caption, and what stands among them.
    void buildFields(QGridLayout *grid);
    void addEmulatorCaption(QGridLayout *grid, const EntryFormCells::Cell &cell);
    void addDupeButton(QGridLayout *grid, int row);
    void addAboutText(QGridLayout *grid, int row);
    void addExtrasHeading(QGridLayout *grid);
    void buildIniRow(QGridLayout *grid, int row);

    QWidget &m_window;
    std::array<QWidget *, EntryFieldCount> m_fieldControls{};
};
