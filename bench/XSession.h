#pragma once

#include <QSize>
#include <QString>

#include <memory>
#include <vector>

// An X server of our own (Xvfb) and a client of it that drives a program as a user does: keys
// and clicks through the XTEST extension, which the server turns into the same events a
// keyboard and mouse give, and a ping that tells when the program's window thread has dealt
// with everything sent before it.
//
// The ping is the window manager's _NET_WM_PING: a client message to the window that the
// toolkit answers from its event loop, in the order of its events. Its answer therefore comes
// only once every key and click before it was handled, and the reply to a second ping sent after
// the first came back only after what the first one's handling left to do (the paint of what
// changed) is done too.
class XSession
{
public:
    // Xlib's own types, which its macros keep out of headers that Qt's share.
    using Window = unsigned long;

    // Starts Xvfb on a free display of the given size; isRunning() tells whether that worked.
    XSession(int width, int height);
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    bool isRunning() const { return m_display != nullptr; }
    QString displayName() const { return m_name; }
    QString failure() const { return m_failure; }

    // The top-level window of process pid whose title is `title`, once it is mapped; 0 when none
    // appeared before the deadline (milliseconds from now).
    Window waitForWindow(qint64 pid, const QString &title, int timeoutMs);
    // Forgets the windows mapped so far: waitForDialog() looks at those mapped from now on.
    void markWindows();
    // A message box or other dialog mapped since markWindows(); 0 when none appeared in time.
    Window waitForDialog(int timeoutMs);
    // Gives the window the keyboard and puts the pointer over it.
    void focus(Window window);

    // True once the window's thread answered; false after the timeout.
    bool ping(Window window, int timeoutMs);
    // Two pings: what the window did on the events before them, painting included, is done.
    bool settled(Window window, int timeoutMs);

    // A key by its X name ("Down", "Return", "y", "Menu"), with Alt, Control or Shift held when
    // asked for; pressed and released.
    void key(const char *name, bool alt = false, bool control = false, bool shift = false);
    void type(const QString &text);
    void click(Window window, int x, int y);
    // The window's size, in pixels.
    QSize size(Window window);

private:
    struct XTest;
    void sendFakeKey(unsigned keycode, bool press);
    void forgetMaps();
    unsigned long windowType(Window window);
    bool nextEvent(qint64 deadlineMs);

    QString m_name;
    QString m_failure;
    qint64 m_serverPid = -1;
    struct _XDisplay *m_display = nullptr;
    Window m_root = 0;
    unsigned long m_protocols = 0;
    unsigned long m_ping = 0;
    unsigned long m_netName = 0;
    unsigned long m_utf8 = 0;
    unsigned long m_netPid = 0;
    unsigned long m_windowType = 0;
    unsigned long m_normalType = 0;
    unsigned long m_dialogType = 0;
    long m_lastAnswer = 0; // the number of the last ping answered
    long m_pingNumber = 0;
    std::unique_ptr<XTest> m_xtest;
    std::vector<Window> m_mapped; // top-level windows mapped since the last look
};
