#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

// The real dialogs, shown modally over the owner window (or over nothing when it is null).
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *owner = nullptr);

    void setOwner(QWidget *owner);

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

private:
    // Guarded: the owner may be destroyed before the dialogs object.
    QPointer<QWidget> m_owner;
};
