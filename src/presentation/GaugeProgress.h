#pragma once

// The range and value of a progress gauge and how much of it is filled. The value stays inside
// the range; a range whose maximum is not above its minimum has nothing filled.
class GaugeProgress
{
public:
    void setRange(int minimum, int maximum);
    void setValue(int value);
    // The filled part of a gauge `whole` units long, rounded to a unit.
    int filled(int whole) const;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
};
