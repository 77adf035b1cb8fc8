#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QFont>

#include <optional>

// The one colour dialog and the one font dialog of the "Config" tab: each opens with what was
// chosen in it last, not with the value of the item being changed.
class AppearanceDialogs
{
  public:
    explicit AppearanceDialogs(Dialogs &dialogs) : m_dialogs(dialogs) {}

    // The colour confirmed, if any; a colour the dialog calls invalid counts as none.
    std::optional<QColor> chooseColor();
    std::optional<FontChoice> chooseFont();

  private:
    Dialogs &m_dialogs;
    QColor m_lastColor = Qt::white;
    FontChoice m_lastFont{QFont(), QColor(Qt::black)};
};
