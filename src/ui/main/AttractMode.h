#pragma once

#include <QObject>

class LibrarySession;
class QTimer;

// Browses the collection by itself: every five seconds a random game is selected, until the
// user turns it off again.
class AttractMode : public QObject
{
    Q_OBJECT
public:
    AttractMode(LibrarySession &session, QObject &parent);

    void setRunning(bool running);
    bool isRunning() const;
    void TimerDemoTimer();

    static constexpr int IntervalMs = 5000;

private:
    LibrarySession &m_session;
    QTimer *TimerDemo = nullptr;
};
