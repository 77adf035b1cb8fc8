#include "ui/sheet/ImageSheetTab.h"

#include "browse/ThumbnailLoader.h"
#include "session/LibrarySession.h"
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
// As many files as one message box names.
constexpr int NamedFiles = 10;

// '"path": reason', as the library scan names the files it could not read. The decoder's
// sentence names the file in quotes before the reason.
QString unreadableLine(const QString &path, const QString &error)
{
    const QString quoted = QLatin1Char('"') + path + QLatin1Char('"');
    const qsizetype at = error.indexOf(quoted + QLatin1String(": "));
    return at < 0 ? quoted + QLatin1String(": ") + error : error.mid(at);
}

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
    cbImageList->setCurrentIndex(0);
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

bool ImageSheetTab::isLoading() const
{
    return m_loader->isRunning();
}

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

    const GameTable &table = m_session.table();
    const int games = table.rowCount() - 1;
    lblImageListTotal->setText(QStringLiteral("0"));
    pbImages->setRange(0, games);
    pbImages->setValue(0);
    pbImages->show();
    ScrollBox1->verticalScrollBar()->setValue(0);

    const ImageSheet::PictureKind kind = ImageSheet::kindFor(cbImageList->currentText());
    const int size = scrollImageSize->value();
    const int sheetWidth = ScrollBox1->viewport()->width();
    ImageSheet::Placement placement(size, sheetWidth, m_session.state().galleryHint, kind);
    m_placed.clear();
    QVector<ThumbnailLoader::Job> jobs;
    int bottom = 0;
    for (ImageSheet::SheetPicture &picture :
         ImageSheet::picturesOf(table, m_session.state().library.LibraryRoot, kind)) {
        const QRect rect = placement.next(picture.fallback);
        bottom = std::max(bottom, rect.bottom() + 1);
        jobs.append(ThumbnailLoader::Job{picture.path, rect.size()});
        m_placed.append(Placed{std::move(picture), rect});
    }
    m_sheet->resize(sheetWidth, bottom + placement.gap());
    m_done = QVector<bool>(m_placed.size(), false);
    m_progressCursor = 0;
    m_shown = 0;
    m_unreadable.clear();
    m_thumbnails.reserve(m_placed.size());
    m_loader->start(jobs);
}

void ImageSheetTab::thumbnailReady(int job, const Result<QImage> &picture)
{
    const Placed &placed = m_placed[job];
    const QImage image = picture.value_or(QImage());
    // A file gone since the listing is skipped as a missing one is; one that is there but cannot
    // be decoded keeps its game's place, so the sheet shows no unexplained gap.
    if (!image.isNull() || !picture) {
        if (!picture)
            m_unreadable.insert(job, unreadableLine(placed.picture.path, picture.error().message()));
        auto *thumbnail = new SheetThumbnail(placed.picture.row, placed.picture.name, m_sheet);
        thumbnail->setGeometry(placed.rect);
        thumbnail->setImage(image);
        connect(thumbnail, &SheetThumbnail::entered, this, &ImageSheetTab::thumbnailEntered);
        connect(thumbnail, &SheetThumbnail::left, this, [this] { m_sheetWheel = false; });
        connect(thumbnail, &SheetThumbnail::clicked, this, [this, job] { thumbnailClicked(job); });
        thumbnail->show();
        shImage->raise();
        m_thumbnails.append(thumbnail);
        lblImageListTotal->setText(QString::number(++m_shown));
    }
    // Pictures come back in any order; the bar shows how far the sheet is whole.
    m_done[job] = true;
    while (m_progressCursor < m_done.size() && m_done[m_progressCursor])
        ++m_progressCursor;
    if (m_progressCursor > 0)
        pbImages->setValue(m_placed[m_progressCursor - 1].picture.row);
}

void ImageSheetTab::loadFinished()
{
    pbImages->setValue(pbImages->maximum());
    pbImages->hide();
    // One message for the whole build, once the sheet is complete, rather than a box per picture
    // while the rest arrive.
    if (!m_unreadable.isEmpty()) {
        QStringList paths;
        for (const int job : m_unreadable.keys())
            paths.append(m_placed[job].picture.path);
        const QStringList lines = m_unreadable.values();
        QString text =
            QStringLiteral("These pictures could not be shown, so the sheet shows the names of their games "
                           "instead:\n") +
            QStringList(lines.mid(0, NamedFiles)).join(QLatin1Char('\n'));
        if (lines.size() > NamedFiles)
            text += QStringLiteral("\n... and %1 more.").arg(lines.size() - NamedFiles);
        m_unreadable.clear();
        emit pictureUnreadable(paths.join(QLatin1Char('\n')), text);
    }
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
    const ImageSheet::SheetPicture &picture = m_placed[job].picture;
    // Filters since the build may have moved the game to another row, or taken it away.
    const int row = ImageSheet::rowOf(m_session.table(), picture.identity, picture.row);
    if (row < 0) {
        emit m_session.message(
            QStringLiteral("\"%1\" is no longer listed. Press Load to build the sheet again.")
                .arg(picture.name));
        return;
    }
    emit launchRequested(row);
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
