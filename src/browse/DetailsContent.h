#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

class GameTable;

// One text of the details panel, named by the label that shows it.
struct FactText
{
    QString label;
    QString text;
    bool visible = false;
};

// Everything the details panel shows for one row, worked out without any window.
struct DetailsContent
{
    enum PictureSlot { Front, Back, Title, Screen, Media, Advert, PictureSlotCount };

    int row = 0;
    QString name;
    QString metadataFolder; // without a trailing separator
    QString createdText;
    QString modifiedText;

    // In the order the panel sets them. Holders (the manual file, the extra links) are never
    // visible. The platform labels are missing during a platform switch: they keep the texts of
    // the game picked in the list, so the user can go back and forth between its platforms.
    QVector<FactText> facts;
    bool platformsUpdated = true;
    QString extrasHeading;

    QString notePath; // empty when the row names no note
    // Empty for a slot whose field is empty.
    std::array<QString, PictureSlotCount> picturePaths;

    const FactText *fact(const QString &label) const;
    QString factText(const QString &label) const;
    bool factVisible(const QString &label) const;

    static DetailsContent forRow(const GameTable &table, int row, const QString &libraryRoot,
                                 bool forcedRowPending);

    // The note file's lines; a file that cannot be read gives none. A note that is there but
    // cannot be read says why in `error`; one that is not there is no error.
    static QStringList readNoteLines(const QString &path, QString *error = nullptr);
    // The wrapped line count from which the notes need a vertical scroll bar.
    static bool noteNeedsScrollBar(int displayedLineCount);
};
