#pragma once

#include "base/AppearanceValues.h"

class QWidget;

// The colours and fonts of the settings file as the main window applies them. Each area of the
// window applies what concerns its own controls.
class Appearance : public AppearanceValues
{
public:
    using AppearanceValues::AppearanceValues;
    using AppearanceValues::color;

    // The colour of a setting, with the default colours of the widget's kind.
    QColor color(const SettingsKeys::Text &key, const QWidget *widget, QPalette::ColorRole defaultRole) const;
    // A label's text in the colour of a setting: fact labels, highlighted or not.
    void colorLabel(QWidget *label, const SettingsKeys::Text &key) const;
};
