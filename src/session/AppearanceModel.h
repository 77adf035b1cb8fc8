#pragma once

#include "platform/Dialogs.h"
#include "session/Theme.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QObject>

#include <optional>

class SettingsFile;

// The theme of the windows and the Config tab's choices of it, kept in the settings file. The
// file is read once; a choice is written before it is announced, so that every window applies
// what the file now says. The windows never see the file's keys.
class AppearanceModel : public QObject
{
    Q_OBJECT
public:
    AppearanceModel(SettingsFile &settings, Dialogs &dialogs, QObject *parent = nullptr);

    // A file another program changed (a hand edit) is read again here, so that what is asked for
    // at each use, such as the colours of a fact under the mouse, follows it.
    const Theme &theme() const;

    // The one colour dialog and the one font dialog of the Config tab: each opens with what was
    // chosen in it last, not with the value of the item being changed. A colour the dialog calls
    // invalid counts as none.
    std::optional<QColor> chooseColor();
    std::optional<FontChoice> chooseFont();

    void setColor(Theme::Color item, const QColor &color);
    // The window's background, and "Default BG Color", which writes the default again.
    void setBackground(const QColor &color);
    void resetBackground();
    // The name, the size, the colour and the style, in that order. A font the dialog gives
    // without a point size (one sized in pixels) keeps the size stored before.
    void setFont(Theme::Font item, const QFont &font, const QColor &color);

signals:
    // Written to the settings file. Only a new list font changes the list's size; every other
    // change leaves it to the view options.
    void themeChanged(const Theme &theme, bool listFontChosen);

private:
    void readIfChanged() const;
    void changed(bool listFontChosen);

    SettingsFile &m_settings;
    Dialogs &m_dialogs;
    mutable Theme m_theme;
    mutable QByteArray m_readFrom; // the file's bytes m_theme was read from
    mutable bool m_read = false;
    QColor m_lastColor = Qt::white;
    FontChoice m_lastFont{QFont(), QColor(Qt::black)};
};
