#pragma once

#include "app/MainLayout.h"
#include "app/Result.h"
#include "browse/DetailsContent.h"

#include <QWidget>

#include <array>
#include <vector>

class PictureLoader;
class QFrame;
class QLabel;
class QScrollBar;
class PictureLabel;

// The details view right of the list (this widget, panelDetails) and its simple twin
// panelNoDetails, a sibling made in the same parent. Everything inside is placed by hand from
// the window's layout pass; the fact rows keep fixed places inside the facts box.
class DetailsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DetailsPanel(QWidget *parent);

    // Texts and visibility of one row at once; its pictures follow as they are read, each
    // announced by picturesChanged. The window's layout pass follows both.
    void fill(const DetailsContent &content);
    // The pictures still being read for the row shown.
    int picturesPending() const;
    // What the layout pass needs to know of this panel.
    void describe(MainLayout::Input &input) const;
    // Places everything from a layout result (one that did not ask for a window resize), then
    // arranges the facts, sets the facts scroll bar and fits the name banner.
    void applyLayout(const MainLayout::Result &result);
    // Returns the fitted size; hides the banner when it is too low to hold a name.
    int fitNameBanner();
    void arrangeFacts();
    void updateFactsScrollBar();
    void sbDetailsChange(int position);
    void applyColors(const QColor &detailsColor, const QColor &textColor, const QColor &backgroundColor);
    // Bold for every platform label, underlined for the one whose record is shown (0 is
    // lblPlatform, 1 to 10 the other platforms).
    void markShownPlatform(int index);
    // The labels that react to the mouse, for the hover highlight.
    QList<QLabel *> linkLabels() const;
    QLabel &nameBanner() const { return *lblName; } // what the export gauge covers while it runs

    QWidget *panelNoDetails = nullptr;

    QWidget *Gradient4 = nullptr;
    QLabel *lblName = nullptr;
    QLabel *lblNameShadow = nullptr;
    QFrame *shapeBox = nullptr;
    QFrame *shapeScreen = nullptr;
    QWidget *panelStats = nullptr;
    QWidget *panelScrollStats = nullptr;
    QScrollBar *sbDetails = nullptr;

    QLabel *lblYear = nullptr;
    QLabel *lblPlatform = nullptr;
    QLabel *lblPublisher = nullptr;
    QLabel *lblDeveloper = nullptr;
    QLabel *lblGenre = nullptr;
    QLabel *lblSubGenre = nullptr;
    QLabel *lblSubGenre2 = nullptr;
    QLabel *lblSeries = nullptr;
    QLabel *lblSeries2 = nullptr;
    QLabel *lblDesigner = nullptr;
    QLabel *lblDesigner2 = nullptr;
    QLabel *lblManual2 = nullptr;
    QLabel *lblSetup = nullptr;
    QLabel *lblExtras = nullptr;
    // Object names lblExtra1 … lblExtra7 and so on; index 0 is number 1.
    std::array<QLabel *, 7> lblExtra{};
    std::array<QLabel *, 10> lblOtherPlatform{};
    std::array<QLabel *, 9> lblComma{};
    // Captions lblDetail01 … lblDetail10: Year, Publisher, Developer, Genre, SubGenres, Series,
    // Designers, Manual, Setup, Platforms.
    std::array<QLabel *, 10> lblDetail{};

    PictureLabel *imgFront01 = nullptr;
    PictureLabel *imgBack01 = nullptr;
    PictureLabel *imgTitle01 = nullptr;
    PictureLabel *imgScreen01 = nullptr;
    PictureLabel *imgMedia01 = nullptr;
    PictureLabel *imgAdv = nullptr;
    PictureLabel *imgFront02 = nullptr;
    PictureLabel *imgBack02 = nullptr;
    PictureLabel *imgTitle02 = nullptr;
    PictureLabel *imgScreen02 = nullptr;

signals:
    // A fact to filter the list by.
    void fieldClicked(const QString &fieldName, const QString &value);
    void platformClicked(int index, const QString &platform);
    void platformDoubleClicked(int index, const QString &platform);
    void setupClicked(const QString &setup);
    void manualClicked(const QString &manualFile);
    // number is 1 to 7.
    void extraClicked(int number, const QString &title, const QString &link);
    // A picture file of the record that is there but cannot be shown.
    void pictureUnreadable(const QString &path, const QString &reason);
    // A picture of the row shown has arrived and changed which pictures are shown.
    void picturesChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBanner();
    void buildPictures();
    void buildFacts();
    // A fact label; one that shows a single text of the content names it.
    QLabel *addFact(const char *name, const QPoint &at, const QString DetailsContent::*text = nullptr);
    void addCaption(int number, const QString &text, const QPoint &at);
    void showPictures(const DetailsContent &content);
    void setPicture(int slot, const QImage &image);
    void showPicture(int slot, const Result<QImage> &picture);
    void applyPictureRules();
    int platformIndex(const QObject *label) const;

    struct Fact
    {
        QLabel *label;
        const QString DetailsContent::*text;
        QString filterField;
    };
    std::vector<Fact> m_facts;
    // What the labels show, and the manual and extra links that clicks on them open.
    DetailsContent m_content;
    PictureLoader *m_pictures = nullptr;
    // The twins of each picture slot: the main view's and the simple view's (none for media and advert).
    std::array<std::array<PictureLabel *, 2>, DetailsContent::PictureSlotCount> m_views{};
};
