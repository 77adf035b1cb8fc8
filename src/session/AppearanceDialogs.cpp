#include "session/AppearanceDialogs.h"

std::optional<QColor> AppearanceDialogs::chooseColor()
{
    const std::optional<QColor> answer = m_dialogs.chooseColor(m_lastColor);
    if (!answer || !answer->isValid())
        return std::nullopt;
    m_lastColor = *answer;
    return answer;
}

std::optional<FontChoice> AppearanceDialogs::chooseFont()
{
    const std::optional<FontChoice> answer = m_dialogs.chooseFont(m_lastFont);
    if (answer)
        m_lastFont = *answer;
    return answer;
}
