#include "platform/QtRandom.h"

#include <QDateTime>

QtRandom::QtRandom()
    : m_engine(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()))
{
}

void QtRandom::seed(std::uint64_t value)
{
    m_engine.seed(value);
}

int QtRandom::below(int bound)
{
    if (bound <= 0)
        return 0;
    std::uniform_int_distribution<int> distribution(0, bound - 1);
    return distribution(m_engine);
}
