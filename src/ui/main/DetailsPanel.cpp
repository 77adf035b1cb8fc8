#include "ui/main/DetailsPanel.h"

#include "browse/DetailsContent.h"
#include "ui/common/PictureLabel.h"
#include "ui/common/WidgetColors.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// Where the fact rows stand inside the facts box: one row every 20 pixels, captions at the left
// edge and values in a column of their own. Year and Platforms share the first row.
constexpr int FirstRowTop = 10;
constexpr int RowStep = 20;
constexpr int CaptionLeft = 5;
constexpr int ValueLeft = 85;
constexpr int PlatformCaptionLeft = 130;
constexpr int PlatformLeft = 200;

int rowTop(int row)
{
    return FirstRowTop + RowStep * row;
}

// Labels size themselves to their text, as the arrangement of the fact rows measures them.
void autoSize(QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(label->text()), metrics.height());
}

void setPlatformFont(QLabel *label, bool underlined)
{
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(underlined);
    label->setFont(font);
    autoSize(label);
}

} // namespace

using WidgetColors::setBackground;
using WidgetColors::setTextColor;

DetailsPanel::DetailsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panelDetails"));
    panelNoDetails = new QWidget(parent);
    panelNoDetails->setObjectName(QStringLiteral("panelNoDetails"));
    panelNoDetails->hide();

    buildPictures();
    buildBanner();
    buildFacts();
}

void DetailsPanel::buildBanner()
{
    Gradient4 = new QWidget(this);
    Gradient4->setObjectName(QStringLiteral("Gradient4"));
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, QColor(0x00, 0x48, 0x48));
    gradient.setColorAt(1, Qt::black);
    QPalette palette = Gradient4->palette();
    palette.setBrush(QPalette::Window, QBrush(gradient));
    Gradient4->setPalette(palette);
    Gradient4->setAutoFillBackground(true);

    // The shadow first, so that the name is drawn over it.
    lblNameShadow = new QLabel(Gradient4);
    lblNameShadow->setObjectName(QStringLiteral("lblNameShadow"));
    lblName = new QLabel(Gradient4);
    lblName->setObjectName(QStringLiteral("lblName"));
}

void DetailsPanel::buildPictures()
{
    shapeBox = new QFrame(this);
    shapeBox->setObjectName(QStringLiteral("shapeBox"));
    shapeScreen = new QFrame(this);
    shapeScreen->setObjectName(QStringLiteral("shapeScreen"));

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
}

QLabel *DetailsPanel::addFact(const char *name, int left, int top)
{
    auto *label = new QLabel(panelScrollStats);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    autoSize(label);
    label->hide();
    label->installEventFilter(this);
    m_factLabels.insert(label->objectName(), label);
    return label;
}

QLabel *DetailsPanel::addCaption(int number, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, panelScrollStats);
    label->setObjectName(QStringLiteral("lblDetail%1").arg(number, 2, 10, QLatin1Char('0')));
    label->move(left, top);
    autoSize(label);
    lblDetail[size_t(number - 1)] = label;
    return label;
}

void DetailsPanel::buildFacts()
{
    panelStats = new QWidget(this);
    panelStats->setObjectName(QStringLiteral("panelStats"));
    panelStats->setGeometry(0, 260, 420, 200);
    panelScrollStats = new QWidget(panelStats);
    panelScrollStats->setObjectName(QStringLiteral("panelScrollStats"));
    panelScrollStats->setGeometry(0, 0, 420, 200);

    addCaption(1, QStringLiteral("Year:"), CaptionLeft, rowTop(0));
    addCaption(10, QStringLiteral("Platforms:"), PlatformCaptionLeft, rowTop(0));
    addCaption(2, QStringLiteral("Publisher:"), CaptionLeft, rowTop(1));
    addCaption(3, QStringLiteral("Developer:"), CaptionLeft, rowTop(2));
    addCaption(4, QStringLiteral("Genre:"), CaptionLeft, rowTop(3));
    addCaption(5, QStringLiteral("SubGenres:"), CaptionLeft, rowTop(4));
    addCaption(6, QStringLiteral("Series:"), CaptionLeft, rowTop(6));
    addCaption(7, QStringLiteral("Designers:"), CaptionLeft, rowTop(8));
    addCaption(8, QStringLiteral("Manual:"), CaptionLeft, rowTop(10));
    addCaption(9, QStringLiteral("Setup:"), CaptionLeft, rowTop(11));

    lblYear = addFact("lblYear", ValueLeft, rowTop(0));
    lblPlatform = addFact("lblPlatform", PlatformLeft, rowTop(0));
    lblPublisher = addFact("lblPublisher", ValueLeft, rowTop(1));
    lblDeveloper = addFact("lblDeveloper", ValueLeft, rowTop(2));
    lblGenre = addFact("lblGenre", ValueLeft, rowTop(3));
    lblSubGenre = addFact("lblSubGenre", ValueLeft, rowTop(4));
    lblSubGenre2 = addFact("lblSubGenre2", ValueLeft, rowTop(5));
    lblSeries = addFact("lblSeries", ValueLeft, rowTop(6));
    lblSeries2 = addFact("lblSeries2", ValueLeft, rowTop(7));
    lblDesigner = addFact("lblDesigner", ValueLeft, rowTop(8));
    lblDesigner2 = addFact("lblDesigner2", ValueLeft, rowTop(9));
    lblManual = addFact("lblManual", ValueLeft, rowTop(10));
    lblManual2 = addFact("lblManual2", ValueLeft, rowTop(10));
    lblManual2->setText(QStringLiteral("Available"));
    autoSize(lblManual2);
    lblSetup = addFact("lblSetup", ValueLeft, rowTop(11));

    lblExtras = new QLabel(QStringLiteral("Extras"), panelScrollStats);
    lblExtras->setObjectName(QStringLiteral("lblExtras"));
    autoSize(lblExtras);
    for (int i = 0; i < MainLayout::ExtraCount; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        lblExtra[size_t(i)] = addFact(QByteArray("lblExtra" + n).constData(), 0, MainLayout::extraTop(i));
        lblExtraLink[size_t(i)] = addFact(QByteArray("lblExtraLink" + n).constData(), 0, MainLayout::extraTop(i));
    }
    for (size_t i = 0; i < lblOtherPlatform.size(); ++i) {
        const QByteArray n = QByteArray::number(int(i) + 1);
        if (i < lblComma.size()) {
            auto *comma = new QLabel(QStringLiteral(","), panelScrollStats);
            comma->setObjectName(QLatin1String("lblComma" + n));
            autoSize(comma);
            comma->hide();
            lblComma[i] = comma;
        }
        lblOtherPlatform[i] = addFact(QByteArray("lblOtherPlatform" + n).constData(), 0, rowTop(0));
    }
    markShownPlatform(0);

    m_filterFields = {
        {lblYear, QStringLiteral("Year")},           {lblPublisher, QStringLiteral("Publisher")},
        {lblDeveloper, QStringLiteral("Developer")}, {lblGenre, QStringLiteral("Genre")},
        {lblSubGenre, QStringLiteral("SubGenre")},   {lblSubGenre2, QStringLiteral("SubGenre2")},
        {lblSeries, QStringLiteral("Series")},       {lblSeries2, QStringLiteral("Series")},
        {lblDesigner, QStringLiteral("Designer")},   {lblDesigner2, QStringLiteral("Designer2")},
    };

    sbDetails = new QScrollBar(Qt::Vertical, panelStats);
    sbDetails->setObjectName(QStringLiteral("sbDetails"));
    sbDetails->hide();
    connect(sbDetails, &QScrollBar::valueChanged, this, &DetailsPanel::sbDetailsChange);
    arrangeFacts();
}

void DetailsPanel::fill(const DetailsContent &content)
{
    lblName->setText(content.name);
    lblNameShadow->setText(content.name);
    for (const FactText &fact : content.facts) {
        QLabel *label = m_factLabels.value(fact.label);
        if (!label)
            continue;
        label->setText(fact.text);
        autoSize(label);
        label->setVisible(fact.visible);
    }
    if (content.platformsUpdated) {
        markShownPlatform(0);
        for (size_t i = 0; i < lblComma.size(); ++i)
            lblComma[i]->setVisible(!lblOtherPlatform[i]->isHidden());
    }
    lblExtras->setText(content.extrasHeading);
    autoSize(lblExtras);
    showPictures(content);
    applyPictureRules();
}

void DetailsPanel::showPictures(const DetailsContent &content)
{
    struct Slot
    {
        DetailsContent::PictureSlot slot;
        PictureLabel *main;
        PictureLabel *simple;
    };
    const Slot pictureSlots[] = {
        {DetailsContent::Front, imgFront01, imgFront02},   {DetailsContent::Back, imgBack01, imgBack02},
        {DetailsContent::Title, imgTitle01, imgTitle02},   {DetailsContent::Screen, imgScreen01, imgScreen02},
        {DetailsContent::Media, imgMedia01, nullptr},      {DetailsContent::Advert, imgAdv, nullptr},
    };
    for (const Slot &s : pictureSlots) {
        for (PictureLabel *picture : {s.main, s.simple}) {
            if (picture) {
                picture->hide();
                picture->clear();
            }
        }
        const QString &path = content.picturePaths[size_t(s.slot)];
        if (path.isEmpty())
            continue;
        // One decode serves both views; the images share their pixels.
        QString error;
        const QImage image = PictureLabel::load(path, &error);
        if (!error.isEmpty())
            emit pictureUnreadable(path, error);
        if (image.isNull())
            continue;
        for (PictureLabel *picture : {s.main, s.simple}) {
            if (picture) {
                picture->setImage(image);
                picture->show();
            }
        }
    }
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
    if (Gradient4->height() < 3) {
        Gradient4->hide();
        return lblName->font().pointSize();
    }
    Gradient4->show();
    QFont font = lblName->font();
    const QString text = lblName->text();
    const int size = MainLayout::fitNameFontSize(
        [&](int pointSize) {
            QFont trial = font;
            trial.setPointSize(pointSize);
            const QFontMetrics metrics(trial);
            return QSize(metrics.horizontalAdvance(text), metrics.height());
        },
        Gradient4->size());
    font.setPointSize(size);
    lblName->setFont(font);
    autoSize(lblName);
    lblName->move(MainLayout::centredIn(Gradient4->size(), lblName->size()));

    QFont shadowFont = lblNameShadow->font();
    shadowFont.setPointSize(size);
    lblNameShadow->setFont(shadowFont);
    autoSize(lblNameShadow);
    lblNameShadow->move(lblName->pos() + QPoint(MainLayout::NameShadowOffset, MainLayout::NameShadowOffset));
    return size;
}

void DetailsPanel::applyColors(const QColor &detailsColor, const QColor &textColor, const QColor &backgroundColor)
{
    for (QLabel *label : {lblYear, lblPlatform, lblPublisher, lblDeveloper, lblGenre, lblSubGenre, lblSubGenre2,
                          lblSeries, lblSeries2, lblDesigner, lblDesigner2, lblManual2, lblSetup})
        setTextColor(label, detailsColor);
    for (QLabel *label : lblExtra)
        setTextColor(label, detailsColor);
    for (QLabel *label : lblExtraLink)
        setTextColor(label, detailsColor);
    for (QLabel *label : lblOtherPlatform)
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
    setPlatformFont(lblPlatform, index == 0);
    for (size_t i = 0; i < lblOtherPlatform.size(); ++i)
        setPlatformFont(lblOtherPlatform[i], int(i) + 1 == index);
}

QList<QLabel *> DetailsPanel::linkLabels() const
{
    QList<QLabel *> labels{lblYear, lblPlatform, lblPublisher, lblDeveloper, lblGenre, lblSubGenre, lblSubGenre2,
                           lblSeries, lblSeries2, lblDesigner, lblDesigner2, lblManual2, lblSetup};
    labels.append(QList<QLabel *>(lblExtra.begin(), lblExtra.end()));
    labels.append(QList<QLabel *>(lblOtherPlatform.begin(), lblOtherPlatform.end()));
    return labels;
}

int DetailsPanel::platformIndex(const QObject *label) const
{
    if (label == lblPlatform)
        return 0;
    for (size_t i = 0; i < lblOtherPlatform.size(); ++i) {
        if (label == lblOtherPlatform[i])
            return int(i) + 1;
    }
    return -1;
}

bool DetailsPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    auto *label = qobject_cast<QLabel *>(watched);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (!label || mouse->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    const int platform = platformIndex(label);
    if (type == QEvent::MouseButtonDblClick) {
        if (platform >= 0)
            emit platformDoubleClicked(platform, label->text());
        return QWidget::eventFilter(watched, event);
    }
    // A press that is dragged off the label and let go elsewhere is no click.
    if (!label->rect().contains(mouse->position().toPoint()))
        return QWidget::eventFilter(watched, event);

    const QString field = m_filterFields.value(label);
    if (!field.isEmpty()) {
        emit fieldClicked(field, label->text());
    } else if (platform >= 0) {
        emit platformClicked(platform, label->text());
    } else if (label == lblSetup) {
        emit setupClicked(label->text());
    } else if (label == lblManual2) {
        emit manualClicked(lblManual->text());
    } else {
        for (size_t i = 0; i < lblExtra.size(); ++i) {
            if (label == lblExtra[i])
                emit extraClicked(int(i) + 1, label->text(), lblExtraLink[i]->text());
        }
    }
    return QWidget::eventFilter(watched, event);
}
