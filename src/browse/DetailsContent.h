#pragma once

#include "base/Result.h"

#include <QString>
#include <QStringList>

#include <array>

class GameTable;

// Everything the details panel shows for one row, worked out without any window. A fact whose
// text is empty is not shown.
struct DetailsContent
{
    enum PictureSlot { Front, Back, Title, Screen, Media, Advert, PictureSlotCount };
    static constexpr int OtherPlatformCount = 10;
    static constexpr int ExtraCount = 7;

    struct Extra
    {
        QString title;
        QString link; // opened by a click on the title, never shown
    };

    int row = 0;
    QString name;
    QString metadataFolder; // without a trailing separator
    QString createdText;
    QString modifiedText;

    QString year;
    QString publisher;
    QString developer;
    QString genre;
    QString subGenre;
    QString subGenre2;
    QString series;
    QString series2;
    QString designer;
    QString designer2;
    QString setup;
    QString manual; // the manual's file, opened by a click on "Available"; never shown

    // The platform row is left empty during a platform switch: it keeps the texts of the game
    // picked in the list, so the user can go back and forth between its platforms.
    bool platformsUpdated = true;
    QString platform;
    std::array<QString, OtherPlatformCount> otherPlatforms;

    std::array<Extra, ExtraCount> extras;
    QString extrasHeading;

    QString notePath; // empty when the row names no note
    // Empty for a slot whose field is empty. Found as on disk, in any letter case, unless the
    // content was made with PictureFiles::AsNamed.
    std::array<QString, PictureSlotCount> picturePaths;

    bool hasManual() const { return !manual.isEmpty(); }

    // The field a click on one of the facts above filters the list by; empty for one that
    // filters nothing (the name, the setup program).
    static QString filterFieldOf(const QString DetailsContent::*fact);

    // Finding a picture file as it is on disk costs round trips on a share; a window that reads
    // the pictures on other threads asks for them as named and lets the reader find them.
    enum class PictureFiles { Found, AsNamed };
    static DetailsContent forRow(const GameTable &table, int row, const QString &libraryRoot,
                                 bool forcedRowPending, PictureFiles pictures = PictureFiles::Found);

    // The note file's lines. A note that is there but cannot be read is a failure; one that is
    // not there has no lines.
    static Result<QStringList> readNoteLines(const QString &path);
};
