#pragma once

#include "presentation/MainLayout.h"
#include "base/Result.h"
#include "browse/DetailsContent.h"
#include "browse/DetailsFacts.h"
#include "presentation/DetailsLabels.h"

#include <QWidget>

#include <array>

class PictureLoader;
class QTimer;
class QFrame;
class QLabel;
class QScrollBar;
class PictureLabel;
struct Theme;

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
    // What the layout pass needs to know of this panel.
    void describe(MainLayout::Input &input) const;
    // Places everything from a layout result (one that did not ask for a window resize), then
    // arranges the facts, sets the facts scroll bar and fits the name banner.
    void applyLayout(const MainLayout::Result &result);
    // Returns the fitted size; hides the banner when it is too low to hold a name.
    int fitNameBanner();
    // The name alone in another font, fitted to the banner: what the appearance settings preview.
    int previewNameFont(const QFont &font);
    // Where the name stands, relative to `widget` (an ancestor): the gauges of a refresh and of
    // an export cover or follow it.
    QRect nameBannerRect(const QWidget *widget) const;
    // The name's font and colours; LoadDetailColors does the facts, captions and background.
    void applyAppearance(const Theme &theme);
    void LoadDetailColors(const Theme &theme);
    // Bold for every platform label, underlined for the one whose record is shown (0 is
    // lblPlatform, 1 to 10 the other platforms).
    void markShownPlatform(int index);
    // The simple view instead of the details, or the details again.
    void showNoDetails(bool simple);
    // The labels that react to the mouse, for the hover highlight.
    QList<QLabel *> linkLabels() const;
    // The pictures of the details that the picture viewer opens on a click.
    QList<PictureLabel *> viewedPictures() const;
    // The labels in the order Tab visits them; hidden ones are passed over.
    QList<QWidget *> tabChain() const;

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

private:
    // A click on a fact, or Space or Enter on it.
    void factActivated(int label);
    void showFocusedFact(QWidget *focused);
    void buildBanner();
    void buildPictures();
    void buildFacts();
    void arrangeFacts();
    void updateFactsScrollBar();
    void sbDetailsChange(int position);
    void showPictures(const DetailsContent &content);
    void setPicture(int slot, const QImage &image);
    void showPicture(int slot, const Result<QImage> &picture);
    void applyPictureRules();
    PictureLabel *picture(int slot, bool simpleView = false) const { return m_views[size_t(slot)][simpleView]; }
    QLabel *fact(int label) const { return m_facts[size_t(label)]; }

    QWidget *panelNoDetails = nullptr;
    QWidget *Gradient4 = nullptr;
    QLabel *lblName = nullptr;
    QLabel *lblNameShadow = nullptr;
    QFrame *shapeBox = nullptr;
    QFrame *shapeScreen = nullptr;
    QWidget *panelStats = nullptr;
    QWidget *panelScrollStats = nullptr;
    QScrollBar *sbDetails = nullptr;
    QLabel *lblExtras = nullptr;
    // lblYear … lblExtra7, in DetailsFacts::Label order.
    std::array<QLabel *, DetailsFacts::LabelCount> m_facts{};
    std::array<QLabel *, DetailsLabels::CommaCount> lblComma{};
    std::array<QLabel *, DetailsLabels::CaptionCount> lblDetail{};
    // The twins of each picture slot: the main view's and the simple view's (none for media and advert).
    std::array<std::array<PictureLabel *, 2>, DetailsContent::PictureSlotCount> m_views{};

    // What the labels show, and the manual and extra links that clicks on them open.
    DetailsContent m_content;
    PictureLoader *m_pictures = nullptr;
    // Pictures that arrived while others of the same game were still being read. They are shown
    // together when the last arrives, or when the wait runs out on a slow disk, so that a local
    // game is laid out and painted once rather than once per picture.
    std::array<QImage, DetailsContent::PictureSlotCount> m_arrived{};
    QTimer *m_arrivalWait = nullptr;
    void showArrivedPictures();
};
