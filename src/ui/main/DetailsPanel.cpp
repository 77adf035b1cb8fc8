#include "ui/main/DetailsPanel.h"

#include "browse/PictureLoader.h"
#include "session/Theme.h"
#include "ui/common/Controls.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/PictureLabel.h"
#include "ui/common/WidgetColors.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// Long enough for a local game's pictures to come in together, short enough that on a slow share
// the first ones are not held back noticeably.
constexpr std::chrono::milliseconds kArrivalWait{50};

// Facts are as wide as their text alone, margins left out: the arrangement of the fact rows
// measures them so.
void fitToText(QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(label->text()), metrics.height());
}

void showText(QLabel *label, const QString &text, bool visible)
{
    label->setText(text);
    fitToText(label);
    label->setVisible(visible);
}

} // namespace

using WidgetColors::setBackground;
using WidgetColors::setTextColor;

DetailsPanel::DetailsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panelDetails"));
    panelNoDetails = named(new QWidget(parent), "panelNoDetails");
    panelNoDetails->hide();

    m_pictures = new PictureLoader(this);
    connect(m_pictures, &PictureLoader::pictureReady, this, &DetailsPanel::showPicture);
    m_arrivalWait = new QTimer(this);
    m_arrivalWait->setSingleShot(true);
    m_arrivalWait->setInterval(kArrivalWait);
    connect(m_arrivalWait, &QTimer::timeout, this, &DetailsPanel::showArrivedPictures);
    buildPictures();
    buildBanner();
    buildFacts();
}

void DetailsPanel::buildBanner()
{
    Gradient4 = named(new QWidget(this), "Gradient4");
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, QColor(0x00, 0x48, 0x48));
    gradient.setColorAt(1, Qt::black);
    WidgetColors::setBackgroundBrush(Gradient4, QBrush(gradient));

    // The shadow first, so that the name is drawn over it.
    lblNameShadow = named(new QLabel(Gradient4), "lblNameShadow");
    lblName = named(new QLabel(Gradient4), "lblName");
}

void DetailsPanel::buildPictures()
{
    shapeBox = named(new QFrame(this), "shapeBox");
    shapeScreen = named(new QFrame(this), "shapeScreen");
    for (const bool simple : {false, true}) {
        for (int slot = 0; slot < DetailsContent::PictureSlotCount; ++slot) {
            const QString name = DetailsLabels::pictureName(slot, simple);
            if (name.isEmpty())
                continue;
            auto *picture = new PictureLabel(name, simple ? panelNoDetails : this);
            picture->hide();
            m_views[size_t(slot)][simple] = picture;
        }
    }
}

void DetailsPanel::buildFacts()
{
    panelStats = named(new QWidget(this), "panelStats");
    panelStats->setGeometry(0, 260, 420, 200);
    panelScrollStats = named(new QWidget(panelStats), "panelScrollStats");
    panelScrollStats->setGeometry(0, 0, 420, 200);

    for (int i = 0; i < DetailsLabels::CaptionCount; ++i) {
        lblDetail[size_t(i)] =
            named(new QLabel(DetailsLabels::captionText(i), panelScrollStats), DetailsLabels::captionName(i));
        lblDetail[size_t(i)]->move(MainLayout::factCaptionAt(i));
        fitToText(lblDetail[size_t(i)]);
    }
    lblExtras = named(new QLabel(QStringLiteral("Extras"), panelScrollStats), "lblExtras");
    fitToText(lblExtras);
    for (size_t i = 0; i < lblComma.size(); ++i) {
        lblComma[i] = named(new QLabel(QStringLiteral(","), panelScrollStats), DetailsLabels::commaName(int(i)));
        fitToText(lblComma[i]);
        lblComma[i]->hide();
    }
    for (int id = 0; id < DetailsFacts::LabelCount; ++id) {
        auto *label = named(new LinkLabel(panelScrollStats), DetailsLabels::objectName(id));
        label->move(DetailsLabels::designPlace(id));
        if (id == DetailsFacts::Manual)
            label->setText(QStringLiteral("Available"));
        fitToText(label);
        label->hide();
        connect(label, &LinkLabel::activated, this, [this, id] { factActivated(id); });
        if (DetailsFacts::platformIndex(id) >= 0) {
            connect(label, &LinkLabel::doubleClicked, this,
                    [this, id] { emit platformDoubleClicked(DetailsFacts::platformIndex(id), fact(id)->text()); });
        }
        m_facts[size_t(id)] = label;
    }
    markShownPlatform(0);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { showFocusedFact(now); });

    sbDetails = named(new QScrollBar(Qt::Vertical, panelStats), "sbDetails");
    sbDetails->hide();
    connect(sbDetails, &QScrollBar::valueChanged, this, &DetailsPanel::sbDetailsChange);
    arrangeFacts();
}

void DetailsPanel::fill(const DetailsContent &content)
{
    m_content = content;
    lblName->setText(content.name);
    lblNameShadow->setText(content.name);
    for (int id = 0; id < DetailsFacts::LabelCount; ++id) {
        if (const std::optional<DetailsFacts::Shown> shown = DetailsFacts::shownFor(id, content))
            showText(fact(id), shown->text, shown->visible);
    }
    if (content.platformsUpdated) {
        markShownPlatform(0);
        for (size_t i = 0; i < lblComma.size(); ++i)
            lblComma[i]->setVisible(!fact(DetailsFacts::OtherPlatform1 + int(i))->isHidden());
    }
    lblExtras->setText(content.extrasHeading);
    fitToText(lblExtras);
    showPictures(content);
    applyPictureRules();
}

void DetailsPanel::showPictures(const DetailsContent &content)
{
    // The last game's pictures go at once: they would stand beside another game's facts.
    m_arrivalWait->stop();
    for (int slot = 0; slot < DetailsContent::PictureSlotCount; ++slot) {
        m_arrived[size_t(slot)] = QImage();
        setPicture(slot, QImage());
    }
    m_pictures->load(QStringList(content.picturePaths.begin(), content.picturePaths.end()));
}

void DetailsPanel::setPicture(int slot, const QImage &image)
{
    // One decode serves both views; the images share their pixels.
    for (PictureLabel *picture : m_views[size_t(slot)]) {
        if (picture) {
            picture->setImage(image);
            picture->setVisible(!image.isNull());
        }
    }
}

void DetailsPanel::showPicture(int slot, const Result<QImage> &picture)
{
    if (!picture)
        emit pictureUnreadable(m_content.picturePaths[size_t(slot)], picture.error().message());
    else if (!picture->isNull()) {
        m_arrived[size_t(slot)] = *picture;
        if (!m_arrivalWait->isActive())
            m_arrivalWait->start();
    }
    if (m_pictures->pending() == 0 && m_arrivalWait->isActive())
        showArrivedPictures();
}

void DetailsPanel::showArrivedPictures()
{
    m_arrivalWait->stop();
    for (size_t slot = 0; slot < m_arrived.size(); ++slot) {
        if (!m_arrived[slot].isNull())
            setPicture(int(slot), std::exchange(m_arrived[slot], QImage()));
    }
    applyPictureRules();
    emit picturesChanged();
}

void DetailsPanel::applyPictureRules()
{
    PictureLabel *front = picture(DetailsContent::Front);
    PictureLabel *back = picture(DetailsContent::Back);
    front->resize(MainLayout::frontWidth(!back->isHidden(), front->width(), back->width()), front->height());
    if (!picture(DetailsContent::Advert)->isHidden()) {
        QRect media = picture(DetailsContent::Media)->geometry();
        QRect advert;
        MainLayout::shareMediaRow(shapeScreen->geometry(), media, advert);
        picture(DetailsContent::Media)->setGeometry(media);
        picture(DetailsContent::Advert)->setGeometry(advert);
    }
}

void DetailsPanel::describe(MainLayout::Input &input) const
{
    input.factsBox = panelStats->geometry();
    input.backShown = !picture(DetailsContent::Back)->isHidden();
    input.advertShown = !picture(DetailsContent::Advert)->isHidden();
}

void DetailsPanel::applyLayout(const MainLayout::Result &r)
{
    setGeometry(r.panelDetails);
    panelNoDetails->setGeometry(r.panelNoDetails);
    Gradient4->setGeometry(r.banner);
    shapeBox->setGeometry(r.shapeBox);
    shapeScreen->setGeometry(r.shapeScreen);
    panelStats->setGeometry(r.factsBox);
    const DetailsLabels::PictureRects pictures = DetailsLabels::pictureRects(r);
    for (int slot = 0; slot < DetailsContent::PictureSlotCount; ++slot) {
        for (const bool simple : {false, true}) {
            if (picture(slot, simple))
                picture(slot, simple)->setGeometry(pictures[size_t(slot)][simple]);
        }
    }
    arrangeFacts();
    updateFactsScrollBar();
    fitNameBanner();
}

void DetailsPanel::arrangeFacts()
{
    std::array<QRect, DetailsFacts::LabelCount> labels;
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i] = m_facts[i]->geometry();
    const DetailsLabels::Arrangement arrangement = DetailsLabels::arrange(labels);
    for (size_t i = 0; i < labels.size(); ++i)
        m_facts[i]->move(arrangement.labels[i]);
    lblExtras->move(arrangement.extrasHeading);
    for (size_t i = 0; i < lblComma.size(); ++i)
        lblComma[i]->move(arrangement.separators[i]);
}

void DetailsPanel::updateFactsScrollBar()
{
    const int setupBottom = MainLayout::bottomEdge(fact(DetailsFacts::Setup)->geometry());
    const MainLayout::FactsScrollBar bar =
        MainLayout::factsScrollBar(setupBottom, panelStats->size(), sbDetails->sizeHint().width());
    if (bar.visible) {
        sbDetails->setMaximum(bar.maximum);
        sbDetails->setPageStep(bar.pageStep);
        sbDetails->show();
    } else {
        sbDetails->setValue(0);
        sbDetails->hide();
    }
    sbDetails->setGeometry(bar.bar);
    sbDetails->raise();
    // Keep whatever scroll position is left, so the area still reaches the box's bottom.
    panelScrollStats->setGeometry(MainLayout::scrolledFactArea(bar.scrollArea, sbDetails->value()));
}

void DetailsPanel::sbDetailsChange(int position)
{
    panelScrollStats->setGeometry(MainLayout::scrolledFactArea(panelStats->size(), position));
}

int DetailsPanel::fitNameBanner()
{
    const MainLayout::NameBanner fit = MainLayout::fitNameBanner(lblName->font(), lblName->text(), Gradient4->size());
    Gradient4->setVisible(fit.shown);
    if (!fit.shown)
        return lblName->font().pointSize();
    for (QLabel *label : {lblName, lblNameShadow}) {
        QFont font = label->font();
        font.setPointSize(fit.pointSize);
        label->setFont(font);
    }
    lblName->setGeometry(fit.name);
    lblNameShadow->setGeometry(fit.shadow);
    return fit.pointSize;
}

int DetailsPanel::previewNameFont(const QFont &font)
{
    lblName->setFont(font);
    return fitNameBanner();
}

QRect DetailsPanel::nameBannerRect(const QWidget *widget) const
{
    return QRect(lblName->mapTo(widget, QPoint(0, 0)), lblName->size());
}

void DetailsPanel::applyAppearance(const Theme &theme)
{
    lblName->setFont(theme.name.font);
    lblNameShadow->setFont(theme.name.font);
    setTextColor(lblName, theme.name.color);
    setTextColor(lblNameShadow, theme.nameShadow);
}

void DetailsPanel::LoadDetailColors(const Theme &theme)
{
    const QColor detailsColor = WidgetColors::themed(theme.details, this, QPalette::WindowText);
    const QColor textColor = WidgetColors::themed(theme.detailsText, this, QPalette::WindowText);
    for (QLabel *label : m_facts)
        setTextColor(label, detailsColor);
    for (QLabel *label : lblComma)
        setTextColor(label, detailsColor);
    for (QLabel *label : lblDetail)
        setTextColor(label, textColor);
    setTextColor(lblExtras, textColor);
    const QColor backgroundColor = WidgetColors::themed(theme.detailsBackground, this, QPalette::Window);
    setBackground(panelStats, backgroundColor);
    setBackground(panelScrollStats, backgroundColor);
}

void DetailsPanel::markShownPlatform(int index)
{
    for (int id = DetailsFacts::Platform; id < DetailsFacts::Extra1; ++id) {
        QFont font = fact(id)->font();
        font.setBold(true);
        font.setUnderline(DetailsFacts::platformIndex(id) == index);
        fact(id)->setFont(font);
        fitToText(fact(id));
    }
}

void DetailsPanel::showNoDetails(bool simple)
{
    panelNoDetails->setVisible(simple);
    setVisible(!simple);
    if (simple)
        panelNoDetails->raise();
}

QList<QLabel *> DetailsPanel::linkLabels() const
{
    return QList<QLabel *>(m_facts.begin(), m_facts.end());
}

QList<PictureLabel *> DetailsPanel::viewedPictures() const
{
    QList<PictureLabel *> pictures;
    for (int slot = 0; slot < DetailsContent::PictureSlotCount; ++slot)
        pictures.append(picture(slot));
    return pictures;
}

QList<QWidget *> DetailsPanel::tabChain() const
{
    // The facts column from the top, the extras beside it, then the row of platforms.
    const auto at = [this](int label) { return m_facts.begin() + label; };
    return QList<QWidget *>(at(DetailsFacts::Year), at(DetailsFacts::Platform))
           << QList<QWidget *>(at(DetailsFacts::Extra1), m_facts.end())
           << QList<QWidget *>(at(DetailsFacts::Platform), at(DetailsFacts::Extra1));
}

void DetailsPanel::showFocusedFact(QWidget *focused)
{
    // A fact that Tab reaches below the bottom of the facts box is scrolled into it.
    if (sbDetails->isHidden() || std::find(m_facts.begin(), m_facts.end(), focused) == m_facts.end())
        return;
    const QRect at = focused->geometry();
    sbDetails->setValue(MainLayout::factsScrollToShow(sbDetails->value(), panelStats->height(), at.top(),
                                                      MainLayout::bottomEdge(at), sbDetails->maximum()));
}

void DetailsPanel::factActivated(int id)
{
    const DetailsFacts::Click click = DetailsFacts::clickOn(id, m_content);
    const QString text = fact(id)->text();
    if (click.kind == DetailsFacts::Click::Field)
        emit fieldClicked(click.field, text);
    else if (click.kind == DetailsFacts::Click::Platform)
        emit platformClicked(click.number, text);
    else if (click.kind == DetailsFacts::Click::Setup)
        emit setupClicked(text);
    else if (click.kind == DetailsFacts::Click::Manual)
        emit manualClicked(click.target);
    else if (click.kind == DetailsFacts::Click::Extra)
        emit extraClicked(click.number, text, click.target);
}
