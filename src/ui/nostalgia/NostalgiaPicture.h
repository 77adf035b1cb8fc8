#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture of the Nostalgia view: stretched over its box or fitted into it with its proportions
// kept. Transparent where the picture is, so that the scene shows through its alpha.
class NostalgiaPicture : public QWidget
{
    Q_OBJECT
public:
    enum class Drawing { Stretched, Fitted };
    NostalgiaPicture(const QString &objectName, Drawing drawing, QWidget *parent);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }
    // Painted where there is no picture; invalid (the default) paints nothing.
    void setFallbackColor(const QColor &color);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    QPixmap m_scaled;
    Drawing m_drawing;
    QColor m_fallback;
};
