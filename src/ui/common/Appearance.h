#pragma once

#include "app/SettingsFile.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The colours and fonts the settings file gives the main window, read afresh at each call so
// that a change on the Config tab or in the file shows at the next use. Each area of the window
// applies what concerns its own controls.
class Appearance
{
public:
    explicit Appearance(const SettingsFile &settings) : m_settings(settings) {}

    // The colour of a setting; one that can be read neither as a name nor as a number gives the
    // widget's own default colour, as clDefault does, and a system colour the palette entry of
    // the widget's kind.
    QColor color(const SettingsKeys::Text &key, const QWidget *widget, QPalette::ColorRole defaultRole) const;
    QFont font(const SettingsKeys::Text &name, const SettingsKeys::Integer &size,
               const SettingsKeys::Text &style) const;
    // A label's text in the colour of a setting: fact labels, highlighted or not.
    void colorLabel(QWidget *label, const SettingsKeys::Text &key) const;

private:
    const SettingsFile &m_settings;
};
