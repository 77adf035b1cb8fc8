#pragma once

#include "base/SettingsFile.h"

#include <QColor>
#include <QFont>
#include <QObject>

// The colours and fonts the Config tab chooses, stored in the settings file. Each choice is
// written before it is announced, so that every window applies what the file now says.
class AppearanceSettings : public QObject
{
    Q_OBJECT
public:
    // The colours chosen one at a time, each from a label of its own.
    enum class Color { MainListBackground, Name, NameShadow, NoteBackground, Details, DetailsHighlight, DetailsText,
                       DetailsBackground };
    static constexpr int ColorCount = 8;
    // The fonts chosen with their colours.
    enum class Font { MainList, Name, Note };
    struct FontKeys
    {
        const SettingsKeys::Text &name;
        const SettingsKeys::Integer &size;
        const SettingsKeys::Text &color;
        const SettingsKeys::Text &style;
    };

    explicit AppearanceSettings(SettingsFile &settings, QObject *parent = nullptr);

    static const SettingsKeys::Text &keyOf(Color color);
    static FontKeys keysOf(Font font);
    // False for the two backgrounds: their colour is not a text colour, so their labels keep the
    // colour they have.
    static bool labelShowsColor(Color color);

    void setColor(Color item, const QColor &color);
    // The window's background, and "Default BG Color", which writes the default again.
    void setBackground(const QColor &color);
    void resetBackground();
    // The name, the size, the colour and the style, in that order. A font the dialog gives
    // without a point size (one sized in pixels) keeps the size stored before.
    void setFont(Font item, const QFont &font, const QColor &color);

signals:
    // Written to the settings file. Only a new list font changes the list's size; every other
    // change leaves it to the view options.
    void changed(bool listFontChosen);

private:
    SettingsFile &m_settings;
};
