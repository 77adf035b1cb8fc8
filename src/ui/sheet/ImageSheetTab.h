#pragma once

#include "base/Result.h"
#include "browse/SheetBuild.h"

#include <QVector>
#include <QWidget>

class LibrarySession;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QTabWidget;
class SheetThumbnail;

// The "Image Sheet" tab: one kind of picture of every game of the working table as a wall of
// thumbnails, built when "Load" is pressed. A click on a thumbnail asks for its game to start.
class ImageSheetTab : public QWidget
{
    Q_OBJECT
  public:
    ImageSheetTab(LibrarySession &session, QTabWidget &pages);
    ~ImageSheetTab() override;

    void btnLoadImagesClick();
    void scrollImageSizeChange(int size);

  signals:
    // The game of `row` of the working table is to start, as the thumbnail click asks.
    void launchRequested(int row);
    // Once a build, at its end: the pictures that could not be shown, named in one text.
    // `paths` (one a line) tells one such list from another, so the same one is told once.
    void pictureUnreadable(const QString &paths, const QString &text);
    // The sheet of the last "Load" is complete.
    void sheetLoaded();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void thumbnailReady(int job, const Result<QImage> &picture);
    void loadFinished();
    void thumbnailEntered(SheetThumbnail *thumbnail);
    void thumbnailClicked(int index);

    LibrarySession &m_session;
    QPushButton *btnLoadImages = nullptr;
    QComboBox *cbImageList = nullptr;
    QScrollBar *scrollImageSize = nullptr;
    QLabel *lblImageSize = nullptr;
    QLabel *lblImageListTotal = nullptr;
    QProgressBar *pbImages = nullptr;
    QLabel *lblImgName = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QWidget *m_sheet = nullptr;
    QWidget *shImage = nullptr;

    ThumbnailLoader *m_loader = nullptr;
    SheetBuild m_build;
    QVector<SheetThumbnail *> m_thumbnails;
    bool m_sheetWheel = false;
};
