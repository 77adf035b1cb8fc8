#include "ui/main/AttractMode.h"

#include "session/LibrarySession.h"
#include "session/BrowseModel.h"

#include <QTimer>

AttractMode::AttractMode(LibrarySession &session, QObject &parent) : QObject(&parent), m_session(session)
{
    setObjectName(QStringLiteral("AttractMode"));
    TimerDemo = new QTimer(this);
    TimerDemo->setObjectName(QStringLiteral("TimerDemo"));
    TimerDemo->setInterval(IntervalMs);
    connect(TimerDemo, &QTimer::timeout, this, &AttractMode::TimerDemoTimer);
}

void AttractMode::setRunning(bool running)
{
    if (running)
        TimerDemo->start();
    else
        TimerDemo->stop();
}

bool AttractMode::isRunning() const
{
    return TimerDemo->isActive();
}

void AttractMode::TimerDemoTimer()
{
    m_session.browse().selectRandomEntry();
}
