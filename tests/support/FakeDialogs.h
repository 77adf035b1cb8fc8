#pragma once

#include "platform/Dialogs.h"

#include <QStringList>

#include <deque>

// Answers every question from a script and remembers what was shown.
class FakeDialogs : public Dialogs
{
public:
    void message(const QString &text) override;
    bool confirm(const QString &text) override;
    bool confirmWarning(const QString &text) override;
    QString browseFolder(const QString &title) override;
    QString openFile(const QString &title, const QString &filter,
                     const QString &initialFolder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &initialFolder,
                     const QString &replaceWithoutAsking) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;

    // Answers to confirm and confirmWarning, taken from the front; `defaultAnswer` once
    // the queue is empty.
    std::deque<bool> confirmAnswers;
    bool defaultAnswer = true;
    // What browseFolder returns; empty means the user cancelled.
    QString folder;
    // What the file dialogs return; empty means cancelled.
    QString openFileName;
    QString saveFileName;
    std::optional<QColor> color;
    std::optional<QFont> font;
    // The text colour chosen with `font`; invalid leaves the colour the dialog opened with.
    QColor fontColor;
    // What the last font dialog opened with.
    FontChoice lastFontShown;

    QStringList messages;
    QStringList questions;
    QStringList folderTitles;
    // The filter and initial folder of every file dialog, open and save alike.
    QStringList fileFilters;
    QStringList fileInitialFolders;
    // The file each save dialog would replace without asking (empty for none).
    QStringList replacedWithoutAsking;
    int colorRequests = 0;
    int fontRequests = 0;
};
