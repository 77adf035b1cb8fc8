#pragma once

#include "base/SettingsFile.h"

#include <QColor>
#include <QFont>
#include <QPalette>

// The colours and fonts the settings file gives the windows, read afresh at each call so that a
// change on the Config tab or in the file shows at the next use.
class AppearanceValues
{
  public:
    explicit AppearanceValues(const SettingsFile &settings) : m_settings(settings) {}

    // The colour of a setting; one that can be read neither as a name nor as a number gives
    // `widgetDefault`, as clDefault does, and a system colour the palette's entry.
    QColor color(const SettingsKeys::Text &key, const QPalette &palette, const QColor &widgetDefault) const;
    QFont font(const SettingsKeys::Text &name, const SettingsKeys::Integer &size,
               const SettingsKeys::Text &style) const;

  private:
    const SettingsFile &m_settings;
};
