#pragma once

#include <QWidget>

// A small progress gauge drawn by hand: a pie that fills clockwise from twelve o'clock, or a
// vertical bar that fills from the bottom. A range whose maximum is not above its minimum
// shows nothing filled.
class ReloadGauge : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Pie, VerticalBar };

    ReloadGauge(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    void setRange(int minimum, int maximum);
    void setValue(int value);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    // How much of the gauge is filled, from 0 to 1.
    double fraction() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The filled part in the unit the gauge is drawn in (sixteenths of a degree, or pixels);
    // a value that does not move it needs no repaint.
    int filledUnits() const;

    Kind m_kind;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
};
