#include "ui/sheet/ImageSheetTab.h"

#include "browse/ThumbnailLoader.h"
#include "presentation/SheetPlacement.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "ui/sheet/SheetThumbnail.h"
#include "ui/common/WidgetColors.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

constexpr int DefaultSize = 150;
constexpr int WheelStep = 4;
constexpr int FramePen = 3;

} // namespace

ImageSheetTab::ImageSheetTab(LibrarySession &session, QTabWidget &pages) : QWidget(&pages), m_session(session)
{
    setObjectName(QStringLiteral("tabImageSheet"));
    pages.addTab(this, QStringLiteral("Image Sheet"));

    btnLoadImages = new QPushButton(QStringLiteral("Load"), this);
    btnLoadImages->setObjectName(QStringLiteral("btnLoadImages"));
    cbImageList = new QComboBox(this);
    cbImageList->setObjectName(QStringLiteral("cbImageList"));
    cbImageList->addItems(ImageSheet::kindNames());
    scrollImageSize = new QScrollBar(Qt::Horizontal, this);
    scrollImageSize->setObjectName(QStringLiteral("scrollImageSize"));
    scrollImageSize->setRange(50, 500);
    scrollImageSize->setSingleStep(50);
    scrollImageSize->setPageStep(50);
    scrollImageSize->setValue(DefaultSize);
    scrollImageSize->setMinimumWidth(160);
    lblImageSize = new QLabel(QString::number(DefaultSize), this);
    lblImageSize->setObjectName(QStringLiteral("lblImageSize"));
    lblImageSize->setMinimumWidth(lblImageSize->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    lblImageListTotal = new QLabel(QStringLiteral("0"), this);
    lblImageListTotal->setObjectName(QStringLiteral("lblImageListTotal"));
    pbImages = new QProgressBar(this);
    pbImages->setObjectName(QStringLiteral("pbImages"));
    pbImages->setTextVisible(false);
    pbImages->hide();
    lblImgName = new QLabel(this);
    lblImgName->setObjectName(QStringLiteral("lblImgName"));
    lblImgName->setTextFormat(Qt::PlainText);

    auto *bar = new QHBoxLayout;
    bar->addWidget(btnLoadImages);
    bar->addWidget(cbImageList);
    bar->addWidget(scrollImageSize);
    bar->addWidget(lblImageSize);
    bar->addWidget(lblImageListTotal);
    bar->addWidget(pbImages, 1);
    bar->addWidget(lblImgName, 2);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_sheet = new QWidget;
    m_sheet->setObjectName(QStringLiteral("sheetImages"));
    m_sheet->setMouseTracking(true);
    WidgetColors::setBackground(m_sheet, Qt::black);
    ScrollBox1->setWidget(m_sheet);
    WidgetColors::setBackground(ScrollBox1->viewport(), Qt::black);
    auto *frame = new QFrame(m_sheet);
    frame->setObjectName(QStringLiteral("shImage"));
    frame->setStyleSheet(
        QStringLiteral("QFrame#shImage { border: %1px solid #0000ff; background: transparent; }")
            .arg(FramePen));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    shImage = frame;

    auto *page = new QVBoxLayout(this);
    page->addLayout(bar);
    page->addWidget(ScrollBox1, 1);

    ScrollBox1->viewport()->installEventFilter(this);
    m_sheet->installEventFilter(this);

    m_loader = new ThumbnailLoader(this);
    connect(m_loader, &ThumbnailLoader::thumbnailReady, this, &ImageSheetTab::thumbnailReady);
    connect(m_loader, &ThumbnailLoader::finished, this, &ImageSheetTab::loadFinished);
    connect(btnLoadImages, &QPushButton::clicked, this, &ImageSheetTab::btnLoadImagesClick);
    connect(scrollImageSize, &QScrollBar::valueChanged, this, &ImageSheetTab::scrollImageSizeChange);
}

ImageSheetTab::~ImageSheetTab() = default;

void ImageSheetTab::scrollImageSizeChange(int size)
{
    lblImageSize->setText(QString::number(size));
}

void ImageSheetTab::btnLoadImagesClick()
{
    m_loader->cancel();
    qDeleteAll(m_thumbnails);
    m_thumbnails.clear();
    // The frame would outline a picture that is gone.
    shImage->hide();
    lblImgName->clear();

    const GameTable &table = m_session.library().table();
    lblImageListTotal->setText(QStringLiteral("0"));
    pbImages->setRange(0, table.rowCount() - 1);
    pbImages->setValue(0);
    pbImages->show();
    ScrollBox1->verticalScrollBar()->setValue(0);

    const int sheetWidth = ScrollBox1->viewport()->width();
    const ImageSheet::PictureKind kind = ImageSheet::kindFor(cbImageList->currentText());
    SheetPlacement placement(scrollImageSize->value(), sheetWidth, m_session.browse().galleryHint(), kind);
    m_build = SheetBuild(table, m_session.library().root(), kind,
                         [&placement](const ImageSheet::SheetPicture &picture) {
                             return placement.next(picture.fallback);
                         });
    m_sheet->resize(sheetWidth, placement.height());
    m_thumbnails.reserve(m_build.size());
    m_loader->start(m_build.jobs());
}

void ImageSheetTab::thumbnailReady(int job, const Result<QImage> &picture)
{
    if (m_build.arrive(job, picture)) {
        const QImage image = picture.value_or(QImage());
        auto *thumbnail = new SheetThumbnail(m_build.picture(job).name, m_sheet);
        thumbnail->setGeometry(m_build.rect(job));
        thumbnail->setImage(image);
        connect(thumbnail, &SheetThumbnail::entered, this, &ImageSheetTab::thumbnailEntered);
        connect(thumbnail, &SheetThumbnail::left, this, [this] { m_sheetWheel = false; });
        connect(thumbnail, &SheetThumbnail::clicked, this, [this, job] { thumbnailClicked(job); });
        thumbnail->show();
        shImage->raise();
        m_thumbnails.append(thumbnail);
        lblImageListTotal->setText(QString::number(m_build.shownCount()));
    }
    pbImages->setValue(m_build.progressRow());
}

void ImageSheetTab::loadFinished()
{
    pbImages->setValue(pbImages->maximum());
    pbImages->hide();
    // One message for the whole build, once the sheet is complete, rather than a box per picture
    // while the rest arrive.
    if (const std::optional<SheetBuild::Unreadable> unreadable = m_build.takeUnreadable())
        emit pictureUnreadable(unreadable->paths, unreadable->text);
    emit sheetLoaded();
}

void ImageSheetTab::thumbnailEntered(SheetThumbnail *thumbnail)
{
    shImage->setGeometry(thumbnail->geometry().adjusted(-FramePen, -FramePen, FramePen, FramePen));
    shImage->show();
    shImage->raise();
    lblImgName->setText(thumbnail->name());
    lblImgName->show();
    m_sheetWheel = true;
}

void ImageSheetTab::thumbnailClicked(int job)
{
    const SheetBuild::Start start = m_build.startFor(m_session.library().table(), job);
    if (start.row < 0) {
        emit m_session.message(start.message);
        return;
    }
    emit launchRequested(start.row);
}

bool ImageSheetTab::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        m_sheetWheel = true;
        break;
    case QEvent::Leave:
        if (watched == ScrollBox1->viewport())
            m_sheetWheel = false;
        break;
    case QEvent::Wheel:
        if (watched == ScrollBox1->viewport()) {
            if (m_sheetWheel) {
                const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
                QScrollBar *bar = ScrollBox1->verticalScrollBar();
                if (delta != 0)
                    bar->setValue(bar->value() + (delta < 0 ? WheelStep : -WheelStep));
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
