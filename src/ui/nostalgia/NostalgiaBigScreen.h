#pragma once

#include "nostalgia/BigScreenFacts.h"

#include <QWidget>

#include <array>

class NostalgiaPicture;
class QLabel;
class QTimer;
struct DetailsContent;

// The big screen of the Nostalgia view (pnlBigScreen): the selected game's facts typed at a DOS
// prompt inside the skin's monitor picture, with a blinking cursor. Hidden until the user clicks
// the computer; it then stays open across selections until closed.
class NostalgiaBigScreen : public QWidget
{
    Q_OBJECT
public:
    explicit NostalgiaBigScreen(QWidget *parent);

    void setDosFont(const QFont &font);
    void setPicture(const QImage &picture);
    // The fact lines, the prompt and the cursor for the game the details show.
    void showFacts(const DetailsContent &details);
    // Centres the big screen on the computer at its current size, never above the view's top.
    void centreOn(const QRect &computer);
    // The user clicked the computer: 800 x 600, centred on it, shown.
    void openOn(const QRect &computer);
    // Puts "X" in the picture's top right corner, in front.
    void placeCloseMark();
    void timerCursorTimer();
    // The cursor blinks only while the view is up.
    void setCursorBlinking(bool blinking);

    static constexpr int LineCount = BigScreenFacts::LineCount;

signals:
    // A fact line asks for the list to be filtered by its field and value.
    void fieldClicked(const QString &field, const QString &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addText(const char *objectName, const QString &text);
    void stackLines();

    NostalgiaPicture *imgNostalgiaBigScreen = nullptr;
    QLabel *lblCursor1 = nullptr;
    std::array<QLabel *, LineCount> lines{};
    QLabel *lblNostalgiaPrompt = nullptr;
    QLabel *lblNostalgiaCursor = nullptr;
    QLabel *lblCloseBigScreen = nullptr;
    QTimer *timerCursor = nullptr;

    std::array<BigScreenFacts::Line, LineCount> m_facts;
};
