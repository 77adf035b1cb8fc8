#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

// A font as the font dialog offers it: the face, size and style, and the colour of its text.
struct FontChoice
{
    QFont font;
    QColor color;
};

// Every question the program asks the user goes through here, so that tests can answer.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual void message(const QString &text) = 0;
    // OK/Cancel question; true for OK.
    virtual bool confirm(const QString &text) = 0;
    // The same as a warning.
    virtual bool confirmWarning(const QString &text) = 0;
    // Empty text when cancelled.
    virtual QString browseFolder(const QString &title) = 0;
    virtual QString openFile(const QString &title, const QString &filter,
                             const QString &initialFolder) = 0;
    // Choosing an existing file asks whether to replace it, except for `replaceWithoutAsking`
    // (a file the program has just made for this save; empty for none).
    virtual QString saveFile(const QString &title, const QString &filter, const QString &initialFolder,
                             const QString &replaceWithoutAsking) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;
};
