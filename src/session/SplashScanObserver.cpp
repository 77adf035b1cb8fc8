#include "session/SplashScanObserver.h"

#include "library/LibraryState.h"
#include "platform/Dialogs.h"
#include "session/LibraryModel.h"
#include "session/SplashView.h"

SplashScanObserver::SplashScanObserver(const LibraryState &state, SplashView *splash, Dialogs &dialogs)
    : m_state(state), m_splash(splash), m_dialogs(dialogs)
{
}

SplashScanObserver::~SplashScanObserver()
{
    for (const QMetaObject::Connection &connection : m_connections)
        QObject::disconnect(connection);
}

void SplashScanObserver::follow(const LibraryModel &library)
{
    using S = LibraryModel;
    m_connections = {
        QObject::connect(&library, &S::scanCategoriesStarted, [this](int count) { categoriesStarted(count); }),
        QObject::connect(&library, &S::scanCategoryStarted,
                         [this](int index, int count, const QString &name) { categoryStarted(index, count, name); }),
        QObject::connect(&library, &S::scanGamesStarted, [this](int count) { gamesStarted(count); }),
        QObject::connect(&library, &S::scanGameStarted, [this](int index) { gameStarted(index); }),
        QObject::connect(&library, &S::scanFinished, [this] { scanFinished(); }),
    };
}

void SplashScanObserver::categoriesStarted(int count)
{
    if (!m_splash || !m_state.StartupLoading)
        return;
    m_splash->startGauge(count);
    m_splash->holdProgressPaints(true);
}

void SplashScanObserver::categoryStarted(int index, int count, const QString &name)
{
    if (!m_splash || !m_state.StartupLoading)
        return;
    m_splash->showStep(QStringLiteral("Loading Folder %1 of %2").arg(index + 1).arg(count), name);
    m_splash->repaintAtFrameRate();
}

void SplashScanObserver::gamesStarted(int count)
{
    if (!m_splash || !m_state.StartupLoading)
        return;
    m_splash->setGaugeSteps(count);
}

void SplashScanObserver::gameStarted(int index)
{
    if (!m_splash || !m_state.StartupLoading)
        return;
    m_splash->setGaugeStep(index);
    m_splash->repaintAtFrameRate();
}

void SplashScanObserver::scanFinished()
{
    if (!m_splash)
        return;
    m_splash->holdProgressPaints(false);
    m_splash->hideSplash();
}

void SplashScanObserver::failed(const Failure &failure)
{
    message(failure.message());
}

void SplashScanObserver::message(const QString &text)
{
    // The box runs an event loop of its own; the splash under it must paint whole, gauge included.
    const bool held = m_splash && m_splash->progressPaintsHeld();
    if (held)
        m_splash->holdProgressPaints(false);
    m_dialogs.message(text);
    if (held)
        m_splash->holdProgressPaints(true);
}
