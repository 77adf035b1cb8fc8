#include "support/FakeDialogs.h"

void FakeDialogs::message(const QString &text)
{
    messages.append(text);
}

bool FakeDialogs::confirm(const QString &text)
{
    questions.append(text);
    if (confirmAnswers.empty())
        return defaultAnswer;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

bool FakeDialogs::confirmWarning(const QString &text)
{
    return confirm(text);
}

QString FakeDialogs::browseFolder(const QString &title)
{
    folderTitles.append(title);
    return folder;
}

QString FakeDialogs::openFile(const QString &title, const QString &filter,
                              const QString &initialFolder)
{
    Q_UNUSED(title);
    fileFilters.append(filter);
    fileInitialFolders.append(initialFolder);
    return openFileName;
}

QString FakeDialogs::saveFile(const QString &title, const QString &filter, const QString &initialFolder,
                              const QString &replaceWithoutAsking)
{
    Q_UNUSED(title);
    fileFilters.append(filter);
    fileInitialFolders.append(initialFolder);
    replacedWithoutAsking.append(replaceWithoutAsking);
    return saveFileName;
}

std::optional<QColor> FakeDialogs::chooseColor(const QColor &initial)
{
    Q_UNUSED(initial);
    ++colorRequests;
    return color;
}

std::optional<FontChoice> FakeDialogs::chooseFont(const FontChoice &initial)
{
    ++fontRequests;
    lastFontShown = initial;
    if (!font)
        return std::nullopt;
    return FontChoice{*font, fontColor.isValid() ? fontColor : initial.color};
}
