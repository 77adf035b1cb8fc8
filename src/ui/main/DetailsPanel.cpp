#include "ui/main/DetailsPanel.h"

#include "browse/PictureLoader.h"
#include "ui/common/Controls.h"
#include "ui/common/PictureLabel.h"
#include "ui/common/WidgetColors.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// Facts are as wide as their text alone, margins left out: the arrangement of the fact rows
// measures them so.
void fitToText(QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(label->text()), metrics.height());
}

// A fact with no text is not shown.
void showText(QLabel *label, const QString &text)
{
    label->setText(text);
    fitToText(label);
    label->setVisible(!text.isEmpty());
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

    imgFront01 = new PictureLabel(QStringLiteral("imgFront01"), this);
    imgBack01 = new PictureLabel(QStringLiteral("imgBack01"), this);
    imgTitle01 = new PictureLabel(QStringLiteral("imgTitle01"), this);
    imgScreen01 = new PictureLabel(QStringLiteral("imgScreen01"), this);
    imgMedia01 = new PictureLabel(QStringLiteral("imgMedia01"), this);
    imgAdv = new PictureLabel(QStringLiteral("imgAdv"), this);
    imgFront02 = new PictureLabel(QStringLiteral("imgFront02"), panelNoDetails);
    imgBack02 = new PictureLabel(QStringLiteral("imgBack02"), panelNoDetails);
    imgTitle02 = new PictureLabel(QStringLiteral("imgTitle02"), panelNoDetails);
    imgScreen02 = new PictureLabel(QStringLiteral("imgScreen02"), panelNoDetails);
    for (PictureLabel *picture : {imgFront01, imgBack01, imgTitle01, imgScreen01, imgMedia01, imgAdv, imgFront02,
                                  imgBack02, imgTitle02, imgScreen02})
        picture->hide();
    m_views = {{{imgFront01, imgFront02}, {imgBack01, imgBack02}, {imgTitle01, imgTitle02},
                {imgScreen01, imgScreen02}, {imgMedia01, nullptr}, {imgAdv, nullptr}}};
}

QLabel *DetailsPanel::addFact(const char *name, const QPoint &at, const QString DetailsContent::*text)
{
    auto *label = named(new QLabel(panelScrollStats), name);
    label->move(at);
    fitToText(label);
    label->hide();
    label->installEventFilter(this);
    if (text)
        m_facts.push_back(Fact{label, text, DetailsContent::filterFieldOf(text)});
    return label;
}

void DetailsPanel::addCaption(int number, const QString &text, const QPoint &at)
{
    const QString name = QStringLiteral("lblDetail%1").arg(number, 2, 10, QLatin1Char('0'));
    auto *label = named(new QLabel(text, panelScrollStats), name);
    label->move(at);
    fitToText(label);
    lblDetail[size_t(number - 1)] = label;
}

void DetailsPanel::buildFacts()
{
    panelStats = named(new QWidget(this), "panelStats");
    panelStats->setGeometry(0, 260, 420, 200);
    panelScrollStats = named(new QWidget(panelStats), "panelScrollStats");
    panelScrollStats->setGeometry(0, 0, 420, 200);

    const char *const captions[MainLayout::FactCaptionCount] = {
        "Year:", "Publisher:", "Developer:", "Genre:", "SubGenres:", "Series:", "Designers:", "Manual:", "Setup:",
        "Platforms:"};
    for (int i = 0; i < MainLayout::FactCaptionCount; ++i)
        addCaption(i + 1, QLatin1String(captions[i]), MainLayout::factCaptionAt(i));

    lblYear = addFact("lblYear", MainLayout::factValueAt(0), &DetailsContent::year);
    lblPlatform = addFact("lblPlatform", MainLayout::PlatformValueAt);
    lblPublisher = addFact("lblPublisher", MainLayout::factValueAt(1), &DetailsContent::publisher);
    lblDeveloper = addFact("lblDeveloper", MainLayout::factValueAt(2), &DetailsContent::developer);
    lblGenre = addFact("lblGenre", MainLayout::factValueAt(3), &DetailsContent::genre);
    lblSubGenre = addFact("lblSubGenre", MainLayout::factValueAt(4), &DetailsContent::subGenre);
    lblSubGenre2 = addFact("lblSubGenre2", MainLayout::factValueAt(5), &DetailsContent::subGenre2);
    lblSeries = addFact("lblSeries", MainLayout::factValueAt(6), &DetailsContent::series);
    lblSeries2 = addFact("lblSeries2", MainLayout::factValueAt(7), &DetailsContent::series2);
    lblDesigner = addFact("lblDesigner", MainLayout::factValueAt(8), &DetailsContent::designer);
    lblDesigner2 = addFact("lblDesigner2", MainLayout::factValueAt(9), &DetailsContent::designer2);
    lblManual2 = addFact("lblManual2", MainLayout::factValueAt(10));
    lblManual2->setText(QStringLiteral("Available"));
    fitToText(lblManual2);
    lblSetup = addFact("lblSetup", MainLayout::factValueAt(11), &DetailsContent::setup);

    lblExtras = named(new QLabel(QStringLiteral("Extras"), panelScrollStats), "lblExtras");
    fitToText(lblExtras);
    for (int i = 0; i < MainLayout::ExtraCount; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        lblExtra[size_t(i)] = addFact(QByteArray("lblExtra" + n).constData(), QPoint(0, MainLayout::extraTop(i)));
    }
    for (size_t i = 0; i < lblOtherPlatform.size(); ++i) {
        const QByteArray n = QByteArray::number(int(i) + 1);
        if (i < lblComma.size()) {
            auto *comma = named(new QLabel(QStringLiteral(","), panelScrollStats), QLatin1String("lblComma" + n));
            fitToText(comma);
            comma->hide();
            lblComma[i] = comma;
        }
        lblOtherPlatform[i] = addFact(QByteArray("lblOtherPlatform" + n).constData(), MainLayout::PlatformValueAt);
    }
    markShownPlatform(0);

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
    for (const Fact &fact : m_facts)
        showText(fact.label, content.*fact.text);
    lblManual2->setVisible(content.hasManual());
    for (size_t i = 0; i < lblExtra.size(); ++i)
        showText(lblExtra[i], content.extras[i].title);
    if (content.platformsUpdated) {
        showText(lblPlatform, content.platform);
        for (size_t i = 0; i < lblOtherPlatform.size(); ++i)
            showText(lblOtherPlatform[i], content.otherPlatforms[i]);
        markShownPlatform(0);
        for (size_t i = 0; i < lblComma.size(); ++i)
            lblComma[i]->setVisible(!lblOtherPlatform[i]->isHidden());
    }
    lblExtras->setText(content.extrasHeading);
    fitToText(lblExtras);
    showPictures(content);
    applyPictureRules();
}

int DetailsPanel::picturesPending() const
{
    return m_pictures->pending();
}

void DetailsPanel::showPictures(const DetailsContent &content)
{
    // The last game's pictures go at once: they would stand beside another game's facts.
    for (int slot = 0; slot < DetailsContent::PictureSlotCount; ++slot)
        setPicture(slot, QImage());
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
    if (!picture || picture->isNull())
        return;
    setPicture(slot, *picture);
    applyPictureRules();
    emit picturesChanged();
}

void DetailsPanel::applyPictureRules()
{
    imgFront01->resize(MainLayout::frontWidth(!imgBack01->isHidden(), imgFront01->width(), imgBack01->width()),
                       imgFront01->height());
    if (!imgAdv->isHidden()) {
        QRect media = imgMedia01->geometry();
        QRect advert;
        MainLayout::shareMediaRow(shapeScreen->geometry(), media, advert);
        imgMedia01->setGeometry(media);
        imgAdv->setGeometry(advert);
    }
}

void DetailsPanel::describe(MainLayout::Input &input) const
{
    input.factsBox = panelStats->geometry();
    input.backShown = !imgBack01->isHidden();
    input.advertShown = !imgAdv->isHidden();
}

void DetailsPanel::applyLayout(const MainLayout::Result &r)
{
    setGeometry(r.panelDetails);
    panelNoDetails->setGeometry(r.panelNoDetails);
    Gradient4->setGeometry(r.banner);
    shapeBox->setGeometry(r.shapeBox);
    shapeScreen->setGeometry(r.shapeScreen);
    imgTitle01->setGeometry(r.title);
    imgScreen01->setGeometry(r.screen);
    imgMedia01->setGeometry(r.media);
    imgAdv->setGeometry(r.advert);
    imgFront01->setGeometry(r.front);
    imgBack01->setGeometry(r.back);
    panelStats->setGeometry(r.factsBox);
    imgFront02->setGeometry(r.simpleFront);
    imgBack02->setGeometry(r.simpleBack);
    imgTitle02->setGeometry(r.simpleTitle);
    imgScreen02->setGeometry(r.simpleScreen);
    arrangeFacts();
    updateFactsScrollBar();
    fitNameBanner();
}

void DetailsPanel::arrangeFacts()
{
    const QVector<QRect> beside{lblPublisher->geometry(), lblDeveloper->geometry(), lblGenre->geometry(),
                                lblSubGenre->geometry(),  lblSubGenre2->geometry(), lblSeries->geometry(),
                                lblSeries2->geometry(),   lblDesigner->geometry(),  lblDesigner2->geometry(),
                                lblManual2->geometry(),   lblSetup->geometry()};
    const int extrasLeft = MainLayout::extrasColumnLeft(beside);
    lblExtras->move(extrasLeft, MainLayout::ExtrasHeadingTop);
    for (int i = 0; i < MainLayout::ExtraCount; ++i)
        lblExtra[size_t(i)]->move(extrasLeft, MainLayout::extraTop(i));

    std::array<int, 10> widths{};
    for (size_t i = 0; i < widths.size(); ++i)
        widths[i] = lblOtherPlatform[i]->width();
    const MainLayout::PlatformRow row = MainLayout::chainPlatformRow(lblPlatform->geometry(), widths);
    const int top = lblPlatform->y();
    for (size_t i = 0; i < lblOtherPlatform.size(); ++i)
        lblOtherPlatform[i]->move(row.otherLefts[i], top);
    for (size_t i = 0; i < lblComma.size(); ++i)
        lblComma[i]->move(row.separatorLefts[i], top);
}

void DetailsPanel::updateFactsScrollBar()
{
    const MainLayout::FactsScrollBar bar = MainLayout::factsScrollBar(
        MainLayout::bottomEdge(lblSetup->geometry()), panelStats->size(), sbDetails->sizeHint().width());
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

void DetailsPanel::applyColors(const QColor &detailsColor, const QColor &textColor, const QColor &backgroundColor)
{
    for (QLabel *label : linkLabels())
        setTextColor(label, detailsColor);
    for (QLabel *label : lblComma)
        setTextColor(label, detailsColor);
    for (QLabel *label : lblDetail)
        setTextColor(label, textColor);
    setTextColor(lblExtras, textColor);
    setBackground(panelStats, backgroundColor);
    setBackground(panelScrollStats, backgroundColor);
}

void DetailsPanel::markShownPlatform(int index)
{
    for (int i = 0; i <= int(lblOtherPlatform.size()); ++i) {
        QLabel *label = i == 0 ? lblPlatform : lblOtherPlatform[size_t(i - 1)];
        QFont font = label->font();
        font.setBold(true);
        font.setUnderline(i == index);
        label->setFont(font);
        fitToText(label);
    }
}

QList<QLabel *> DetailsPanel::linkLabels() const
{
    QList<QLabel *> labels{lblPlatform, lblManual2};
    for (const Fact &fact : m_facts)
        labels.append(fact.label);
    labels.append(QList<QLabel *>(lblExtra.begin(), lblExtra.end()));
    labels.append(QList<QLabel *>(lblOtherPlatform.begin(), lblOtherPlatform.end()));
    return labels;
}

int DetailsPanel::platformIndex(const QObject *label) const
{
    if (label == lblPlatform)
        return 0;
    const auto other = std::find(lblOtherPlatform.begin(), lblOtherPlatform.end(), label);
    return other == lblOtherPlatform.end() ? -1 : int(other - lblOtherPlatform.begin()) + 1;
}

bool DetailsPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    auto *label = qobject_cast<QLabel *>(watched);
    if ((type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) || !label ||
        static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    const int platform = platformIndex(label);
    if (type == QEvent::MouseButtonDblClick) {
        if (platform >= 0)
            emit platformDoubleClicked(platform, label->text());
        return QWidget::eventFilter(watched, event);
    }
    // A press that is dragged off the label and let go elsewhere is no click.
    if (!label->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
        return QWidget::eventFilter(watched, event);

    const auto fact = std::find_if(m_facts.begin(), m_facts.end(), [&](const Fact &f) { return f.label == label; });
    const auto extra = size_t(std::find(lblExtra.begin(), lblExtra.end(), label) - lblExtra.begin());
    if (fact != m_facts.end() && !fact->filterField.isEmpty())
        emit fieldClicked(fact->filterField, label->text());
    else if (platform >= 0)
        emit platformClicked(platform, label->text());
    else if (label == lblSetup)
        emit setupClicked(label->text());
    else if (label == lblManual2)
        emit manualClicked(m_content.manual);
    else if (extra < lblExtra.size())
        emit extraClicked(int(extra) + 1, label->text(), m_content.extras[extra].link);
    return QWidget::eventFilter(watched, event);
}
