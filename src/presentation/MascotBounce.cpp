#include "presentation/MascotBounce.h"

const QString MascotBounce::TriggerText = QStringLiteral("boing");

void MascotBounce::tick(const QSize &area)
{
    m_position += m_step;
    // Each test sees the step as the tests before it left it: a mascot larger than the area
    // ends up heading right and down.
    if (area.height() - m_size.height() < m_position.y() + m_step.y())
        m_step.setY(-m_speed);
    if (area.width() - m_size.width() < m_position.x() + m_step.x())
        m_step.setX(-m_speed);
    if (m_position.y() + m_step.y() < 0)
        m_step.setY(m_speed);
    if (m_position.x() + m_step.x() < 0)
        m_step.setX(m_speed);
}

void MascotBounce::click()
{
    ++m_score;
    ++m_speed;
    if (m_speed > 5) {
        m_speed = 1;
        const auto shrunk = [](int side) { return side - 10 < 12 ? 2 : side - 10; };
        m_size = QSize(shrunk(m_size.width()), shrunk(m_size.height()));
    }
    m_step.rx() += m_step.x() > 0 ? m_speed : -m_speed;
    m_step.ry() += m_step.y() > 0 ? m_speed : -m_speed;
}
