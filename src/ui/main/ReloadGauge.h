#pragma once

#include "presentation/GaugeProgress.h"

#include <QWidget>

// A small progress gauge drawn by hand: a pie that fills clockwise from twelve o'clock, or a
// vertical bar that fills from the bottom.
class ReloadGauge : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Pie, VerticalBar };

    ReloadGauge(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    void setRange(int minimum, int maximum);
    void setValue(int value);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The filled part in the unit the gauge is drawn in (sixteenths of a degree, or pixels);
    // a value that does not move it needs no repaint.
    int filledUnits() const;

    Kind m_kind;
    GaugeProgress m_progress;
};
