#include "presentation/GaugeProgress.h"

#include <algorithm>
#include <cmath>

void GaugeProgress::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    setValue(m_value);
}

void GaugeProgress::setValue(int value)
{
    m_value = std::clamp(value, m_minimum, std::max(m_minimum, m_maximum));
}

int GaugeProgress::filled(int whole) const
{
    if (m_maximum <= m_minimum)
        return 0;
    const double fraction = static_cast<double>(m_value - m_minimum) / static_cast<double>(m_maximum - m_minimum);
    return static_cast<int>(std::lround(fraction * whole));
}
