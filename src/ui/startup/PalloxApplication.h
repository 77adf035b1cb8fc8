#pragma once

#include <QApplication>

#include <functional>

// Shows a failure that escapes an event handler to the user and keeps the program running,
// instead of letting one bad file or value end the whole session.
class PalloxApplication : public QApplication
{
    Q_OBJECT
public:
    PalloxApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    void setFailureHandler(std::function<void(const QString &)> handler) { m_onFailure = std::move(handler); }

private:
    std::function<void(const QString &)> m_onFailure;
};
