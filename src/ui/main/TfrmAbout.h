#pragma once

#include <QWidget>

class QLabel;
class Shell;

// Created once at start-up and hidden; closing it only hides it again.
class TfrmAbout : public QWidget
{
    Q_OBJECT
public:
    static const QString HomePage;

    TfrmAbout(Shell &shell, QWidget *parent = nullptr);

    // Centred over `owner` and shown without holding the owner back.
    void showOver(const QWidget &owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Escape hides it, as it does every dialog: without a window manager's close button (a bare
    // X server, some kiosk desktops) nothing else would.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void lblHomePageClick();

    Shell &m_shell;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCredit = nullptr;
    QLabel *lblHomePage = nullptr;
};
