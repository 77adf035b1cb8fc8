#pragma once

#include <QImage>
#include <QWidget>

// One picture of the image sheet: drawn centred at the size it was decoded at, with a hand
// cursor and its game's name as hint. Without a picture (its file could not be decoded) it is a
// framed tile that names the game, so that the game can still be found and started. It tells the
// sheet when the pointer comes and goes and when it is clicked.
class SheetThumbnail : public QWidget
{
    Q_OBJECT
  public:
    SheetThumbnail(const QString &name, QWidget *parent);

    const QString &name() const { return m_name; }
    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

  signals:
    void entered(SheetThumbnail *thumbnail);
    void left();
    void clicked();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QString m_name;
    QImage m_image;
    bool m_pressed = false;
};
