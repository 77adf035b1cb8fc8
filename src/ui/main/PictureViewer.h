#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class PictureLabel;
class QImage;
class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;

// A picture of the details over the whole Main tab: fitted to the tab, or at its natural size in
// a scroll box. The presentation chosen last stays for the next picture. A click on the picture
// or Escape closes it.
class PictureViewer : public QObject
{
    Q_OBJECT
public:
    explicit PictureViewer(QWidget &page);

    // A click on any of these pictures opens the viewer with it.
    void watch(const QList<PictureLabel *> &pictures);
    void open(const QImage &image);
    void close();
    void btnAutoSizeClick();
    bool isOpen() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNaturalSize(bool natural);
    void place();

    QWidget &m_page;
    QWidget *panelViewer = nullptr;
    PictureLabel *imgViewer = nullptr;
    QScrollArea *scrollViewerZoom = nullptr;
    QLabel *imgViewerZoom = nullptr;
    QPushButton *btnAutoSize = nullptr;
    QPointer<QWidget> m_focusBefore;
};
