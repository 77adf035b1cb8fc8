#pragma once

#include "base/Result.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture drawn as large as fits, proportions kept, centred. The decoded image is kept whole;
// it is scaled only to the size on show, once per size.
class PictureLabel : public QWidget
{
    Q_OBJECT
public:
    explicit PictureLabel(const QString &objectName, QWidget *parent = nullptr);

    void setImage(const QImage &image);
    void clear();
    const QImage &image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }

    // PictureLoader::read: the file found in any letter case; null when there is no picture,
    // a failure when the file is there but cannot be decoded.
    static Result<QImage> load(const QString &path);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect targetRect() const;

    QImage m_image;
    QPixmap m_scaled;
};
