#include "ui/startup/PalloxApplication.h"

#include <exception>

PalloxApplication::PalloxApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("PALLOX"));
    setApplicationDisplayName(QStringLiteral("PALLOX"));
}

bool PalloxApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        if (m_onFailure)
            m_onFailure(QString::fromUtf8(error.what()));
    } catch (...) {
        if (m_onFailure)
            m_onFailure(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}
