#include "ui/common/QtDialogs.h"

#include "platform/FileDialogFilter.h"
#include "base/MessageLog.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString &boxTitle()
{
    static const QString title = QStringLiteral("PALLOX");
    return title;
}

// Messages quote game names, file names and values from the library. Left to guess, the box
// would take a name holding "<a href=...>" for markup and show a link.
void showAsWritten(QMessageBox &box)
{
    box.setTextFormat(Qt::PlainText);
}

bool askOkCancel(QWidget *owner, QMessageBox::Icon icon, const QString &text)
{
    logShownMessage("question", text);
    QMessageBox box(icon, boxTitle(), text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    showAsWritten(box);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace

QtDialogs::QtDialogs(QWidget *owner)
    : m_owner(owner)
{
}

void QtDialogs::setOwner(QWidget *owner)
{
    m_owner = owner;
}

void QtDialogs::message(const QString &text)
{
    logShownMessage("message", text);
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, m_owner);
    showAsWritten(box);
    box.exec();
}

bool QtDialogs::confirm(const QString &text)
{
    return askOkCancel(m_owner, QMessageBox::Question, text);
}

bool QtDialogs::confirmWarning(const QString &text)
{
    return askOkCancel(m_owner, QMessageBox::Warning, text);
}

QString QtDialogs::browseFolder(const QString &title)
{
    return QFileDialog::getExistingDirectory(m_owner, title, QString(),
                                             QFileDialog::ShowDirsOnly);
}

QString QtDialogs::openFile(const QString &title, const QString &filter,
                            const QString &initialFolder)
{
    return QFileDialog::getOpenFileName(m_owner, title, initialFolder, fileDialogFilter(filter));
}

QString QtDialogs::saveFile(const QString &title, const QString &filter, const QString &initialFolder,
                            const QString &replaceWithoutAsking)
{
    // The typed name is taken as it is: no extension is added and an existing file is
    // confirmed by the dialog itself.
    if (replaceWithoutAsking.isEmpty())
        return QFileDialog::getSaveFileName(m_owner, title, initialFolder, fileDialogFilter(filter));
    // The dialog cannot spare one file its question, so the question is ours, in its words, and
    // No goes back to the dialog as there.
    QString start = initialFolder;
    for (;;) {
        const QString chosen = QFileDialog::getSaveFileName(m_owner, title, start, fileDialogFilter(filter),
                                                            nullptr, QFileDialog::DontConfirmOverwrite);
        const QFileInfo info(chosen);
        if (chosen.isEmpty() || !info.exists() || info == QFileInfo(replaceWithoutAsking))
            return chosen;
        const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName());
        logShownMessage("question", question);
        QMessageBox box(QMessageBox::Warning, title, question, QMessageBox::Yes | QMessageBox::No, m_owner);
        showAsWritten(box);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() == QMessageBox::Yes)
            return chosen;
        start = chosen;
    }
}

std::optional<QColor> QtDialogs::chooseColor(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, m_owner);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice &initial)
{
    // Qt's font dialog has no text colour; the stored fonts have one, so a colour button sits
    // below the font choice and tints the sample.
    QDialog dialog(m_owner);
    dialog.setWindowTitle(QStringLiteral("Font"));
    auto *fonts = new QFontDialog(initial.font, &dialog);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    auto *colorButton = new QPushButton(QStringLiteral("&Color..."), &dialog);
    colorButton->setObjectName(QStringLiteral("btnFontColor"));
    auto *swatch = new QLabel(&dialog);
    swatch->setFixedSize(48, 20);
    swatch->setFrameShape(QFrame::Box);
    QColor color = initial.color.isValid() ? initial.color : QColor(Qt::black);
    auto showColor = [&] {
        swatch->setStyleSheet(QStringLiteral("background-color: %1").arg(color.name()));
        // Only the sample takes the colour; the lists of faces and sizes stay readable.
        if (auto *sample = fonts->findChild<QLineEdit *>(QStringLiteral("qt_fontDialog_sampleEdit"))) {
            QPalette palette = sample->palette();
            palette.setColor(QPalette::Text, color);
            sample->setPalette(palette);
        }
    };
    showColor();
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        const QColor picked = QColorDialog::getColor(color, &dialog);
        if (picked.isValid()) {
            color = picked;
            showColor();
        }
    });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(colorButton);
    colorRow->addWidget(swatch);
    colorRow->addStretch();
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{fonts->currentFont(), color};
}
