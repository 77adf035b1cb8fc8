#include "XSession.h"

#include <QElapsedTimer>
#include <QThread>

// After every Qt header: Xlib defines Bool, Status and others as macros.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

qint64 nowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

// Xlib's default error handler ends the process; a window that went away between two calls is
// no reason to.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

// XTEST is in every X server, but its development files are not on every machine: the two calls
// we need are looked up in the library that xdotool uses.
struct XSession::XTest
{
    void *library = nullptr;
    int (*fakeKey)(Display *, unsigned, int, unsigned long) = nullptr;
    int (*fakeButton)(Display *, unsigned, int, unsigned long) = nullptr;
    int (*fakeMotion)(Display *, int, int, int, unsigned long) = nullptr;

    XTest()
    {
        library = dlopen("libXtst.so.6", RTLD_NOW);
        if (!library)
            return;
        fakeKey = reinterpret_cast<decltype(fakeKey)>(dlsym(library, "XTestFakeKeyEvent"));
        fakeButton = reinterpret_cast<decltype(fakeButton)>(dlsym(library, "XTestFakeButtonEvent"));
        fakeMotion = reinterpret_cast<decltype(fakeMotion)>(dlsym(library, "XTestFakeMotionEvent"));
    }
    ~XTest()
    {
        if (library)
            dlclose(library);
    }
    bool usable() const { return fakeKey && fakeButton && fakeMotion; }
};

XSession::XSession(int width, int height) : m_xtest(std::make_unique<XTest>())
{
    if (!m_xtest->usable()) {
        m_failure = QStringLiteral("libXtst.so.6 (the XTEST client library, which xdotool uses) is missing");
        return;
    }
    int numberPipe[2];
    if (pipe(numberPipe) != 0) {
        m_failure = QStringLiteral("no pipe for Xvfb");
        return;
    }
    const QByteArray screen = QByteArray::number(width) + 'x' + QByteArray::number(height) + "x24";
    const QByteArray fd = QByteArray::number(numberPipe[1]);
    const pid_t pid = fork();
    if (pid == 0) {
        // The server dies with us, however we end.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(numberPipe[0]);
        setsid();
        const int null = ::open("/dev/null", O_RDWR);
        dup2(null, 1);
        dup2(null, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0", screen.constData(), "-nolisten",
               "tcp", "-ac", "-noreset", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(numberPipe[1]);
    if (pid < 0) {
        close(numberPipe[0]);
        m_failure = QStringLiteral("could not start Xvfb");
        return;
    }
    m_serverPid = pid;
    QByteArray number;
    const qint64 deadline = nowMs() + 30000;
    while (!number.endsWith('\n') && nowMs() < deadline) {
        pollfd ready{numberPipe[0], POLLIN, 0};
        if (poll(&ready, 1, 1000) <= 0)
            continue;
        char chunk[32];
        const ssize_t got = ::read(numberPipe[0], chunk, sizeof chunk);
        if (got <= 0)
            break;
        number.append(chunk, got);
    }
    close(numberPipe[0]);
    if (number.trimmed().isEmpty()) {
        m_failure = QStringLiteral("Xvfb did not start (is it installed?)");
        return;
    }
    m_name = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    XSetErrorHandler(ignoreErrors);
    while (!m_display && nowMs() < deadline) {
        m_display = XOpenDisplay(m_name.toLatin1().constData());
        if (!m_display)
            QThread::msleep(50);
    }
    if (!m_display) {
        m_failure = QStringLiteral("Xvfb does not answer on ") + m_name;
        return;
    }
    m_root = DefaultRootWindow(m_display);
    // Maps of new windows, and the answers to pings, which the toolkit sends to the root window.
    XSelectInput(m_display, m_root, SubstructureNotifyMask | StructureNotifyMask);
    m_protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    m_ping = XInternAtom(m_display, "_NET_WM_PING", False);
    m_netName = XInternAtom(m_display, "_NET_WM_NAME", False);
    m_utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    m_netPid = XInternAtom(m_display, "_NET_WM_PID", False);
    m_windowType = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE", False);
    m_normalType = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_NORMAL", False);
    m_dialogType = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XSync(m_display, False);
}

XSession::~XSession()
{
    if (m_display)
        XCloseDisplay(m_display);
    if (m_serverPid > 0) {
        kill(static_cast<pid_t>(m_serverPid), SIGTERM);
        int status = 0;
        for (int i = 0; i < 100 && waitpid(static_cast<pid_t>(m_serverPid), &status, WNOHANG) == 0; ++i)
            QThread::msleep(50);
        if (waitpid(static_cast<pid_t>(m_serverPid), &status, WNOHANG) == 0) {
            kill(static_cast<pid_t>(m_serverPid), SIGKILL);
            waitpid(static_cast<pid_t>(m_serverPid), &status, 0);
        }
    }
}

bool XSession::nextEvent(qint64 deadlineMs)
{
    for (;;) {
        if (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && event.xmap.event == m_root)
                m_mapped.push_back(event.xmap.window);
            if (event.type == ClientMessage && event.xclient.message_type == m_protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == m_ping)
                m_lastAnswer = std::max(m_lastAnswer, event.xclient.data.l[1]);
            return true;
        }
        const qint64 left = deadlineMs - nowMs();
        if (left <= 0)
            return false;
        pollfd ready{ConnectionNumber(m_display), POLLIN, 0};
        poll(&ready, 1, static_cast<int>(std::min<qint64>(left, 100)));
    }
}

void XSession::forgetMaps()
{
    m_mapped.clear();
}

Window XSession::waitForWindow(qint64 pid, const QString &title, int timeoutMs)
{
    const qint64 deadline = nowMs() + timeoutMs;
    const auto matches = [&](Window window) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        bool ours = true;
        if (XGetWindowProperty(m_display, window, m_netPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                               &data) == Success && data) {
            ours = count == 1 && static_cast<qint64>(*reinterpret_cast<unsigned long *>(data)) == pid;
            XFree(data);
        }
        data = nullptr;
        QString name;
        if (XGetWindowProperty(m_display, window, m_netName, 0, 1024, False, m_utf8, &type, &format, &count, &after,
                               &data) == Success && data) {
            name = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(count));
            XFree(data);
        }
        // The splash screen and the message boxes carry the program's name too; the main window
        // is the one of normal type.
        const Atom kind = windowType(window);
        return ours && (kind == 0 || kind == m_normalType) && name == title;
    };
    for (;;) {
        for (const Window window : m_mapped) {
            if (matches(window)) {
                forgetMaps();
                return window;
            }
        }
        forgetMaps();
        if (!nextEvent(deadline))
            return 0;
    }
}

void XSession::markWindows()
{
    while (XPending(m_display) > 0)
        nextEvent(0);
    forgetMaps();
}

Window XSession::waitForDialog(int timeoutMs)
{
    const qint64 deadline = nowMs() + timeoutMs;
    for (;;) {
        for (const Window window : m_mapped) {
            if (windowType(window) == m_dialogType) {
                forgetMaps();
                return window;
            }
        }
        forgetMaps();
        if (!nextEvent(deadline))
            return 0;
    }
}

unsigned long XSession::windowType(Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    Atom kind = 0;
    if (XGetWindowProperty(m_display, window, m_windowType, 0, 16, False, XA_ATOM, &type, &format, &count, &after,
                           &data) == Success && data) {
        if (count > 0)
            kind = reinterpret_cast<Atom *>(data)[0];
        XFree(data);
    }
    return kind;
}

void XSession::focus(Window window)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(m_display, window, &attributes)) {
        int x = 0;
        int y = 0;
        Window child = 0;
        XTranslateCoordinates(m_display, window, m_root, attributes.width / 2, attributes.height / 2, &x, &y, &child);
        m_xtest->fakeMotion(m_display, -1, x, y, CurrentTime);
    }
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    XSync(m_display, False);
}

bool XSession::ping(Window window, int timeoutMs)
{
    const long number = ++m_pingNumber;
    XEvent message;
    std::memset(&message, 0, sizeof message);
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = m_protocols;
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(m_ping);
    message.xclient.data.l[1] = number; // the answer carries it back, so no older answer counts
    message.xclient.data.l[2] = static_cast<long>(window);
    // With no event mask the server hands the message to the client that made the window.
    XSendEvent(m_display, window, False, NoEventMask, &message);
    XFlush(m_display);
    const qint64 deadline = nowMs() + timeoutMs;
    while (m_lastAnswer < number) {
        if (!nextEvent(deadline))
            return false;
    }
    return true;
}

bool XSession::settled(Window window, int timeoutMs)
{
    return ping(window, timeoutMs) && ping(window, timeoutMs);
}

void XSession::sendFakeKey(unsigned keycode, bool press)
{
    m_xtest->fakeKey(m_display, keycode, press ? True : False, CurrentTime);
}

void XSession::key(const char *name, bool alt, bool control, bool shift)
{
    const KeySym symbol = XStringToKeysym(name);
    const unsigned code = XKeysymToKeycode(m_display, symbol);
    const unsigned altCode = XKeysymToKeycode(m_display, XK_Alt_L);
    const unsigned controlCode = XKeysymToKeycode(m_display, XK_Control_L);
    const unsigned shiftCode = XKeysymToKeycode(m_display, XK_Shift_L);
    if (alt)
        sendFakeKey(altCode, true);
    if (control)
        sendFakeKey(controlCode, true);
    if (shift)
        sendFakeKey(shiftCode, true);
    sendFakeKey(code, true);
    sendFakeKey(code, false);
    if (shift)
        sendFakeKey(shiftCode, false);
    if (control)
        sendFakeKey(controlCode, false);
    if (alt)
        sendFakeKey(altCode, false);
    XFlush(m_display);
}

void XSession::type(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            key("space");
        } else {
            const QByteArray name(1, static_cast<char>(c.toLower().toLatin1()));
            key(name.constData(), false, false, c.isUpper());
        }
    }
}

void XSession::click(Window window, int x, int y)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, window, m_root, x, y, &rootX, &rootY, &child);
    m_xtest->fakeMotion(m_display, -1, rootX, rootY, CurrentTime);
    m_xtest->fakeButton(m_display, 1, True, CurrentTime);
    m_xtest->fakeButton(m_display, 1, False, CurrentTime);
    XFlush(m_display);
}

QSize XSession::size(Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return QSize();
    return QSize(attributes.width, attributes.height);
}
