#include "platform/QtShell.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/RecordingProgram.h"
#include "support/Utf8.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class QtShellStart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_programFolder = m_root.filePath(u("My Games ü"));
        m_workFolder = m_root.filePath(u("work dir ñ"));
        ASSERT_TRUE(QDir().mkpath(m_programFolder));
        ASSERT_TRUE(QDir().mkpath(m_workFolder));
        m_output = m_root.filePath(QStringLiteral("arguments.txt"));
        m_script = m_programFolder + u("/run game.sh");
        ASSERT_TRUE(writeRecordingProgram(m_script, m_output));
    }

    QtShell makeShell()
    {
        return QtShell([this](const Failure &failure) { m_failures.append(failure.message()); });
    }

    QTemporaryDir m_root;
    QString m_programFolder;
    QString m_workFolder;
    QString m_output;
    QString m_script;
    QStringList m_failures;
};

TEST_F(QtShellStart, PassesHostileGameDataAsPlainArgumentsInTheWorkingFolder)
{
    const bool pwnedBefore = QFileInfo::exists(QDir::current().filePath(u("pwned")));
    const QString parameters = u("-conf \"Game: \\\"Quest\\\" for Glory; $(touch pwned) "
                                 "`touch pwned2` Ünïcødé\" -exit; touch pwned3 'single quoted' "
                                 "C:\\Games\\Dir\\");
    QtShell shell = makeShell();
    shell.execute(QString(), u("\"") + m_script + u("\""), parameters, m_workFolder);

    const QStringList lines = waitForRecordedLines(m_output);
    ASSERT_FALSE(lines.isEmpty()) << "the program did not run";
    const QStringList expected = {
        u("-conf"),
        u("Game: \"Quest\" for Glory; $(touch pwned) `touch pwned2` Ünïcødé"),
        u("-exit;"),
        u("touch"),
        u("pwned3"),
        u("'single"),
        u("quoted'"),
        u("C:\\Games\\Dir\\"),
    };
    EXPECT_EQ(lines.mid(0, lines.size() - 1), expected);
    EXPECT_EQ(canonical(lines.last()), canonical(m_workFolder));
    EXPECT_TRUE(m_failures.isEmpty()) << m_failures.join(u("\n")).toStdString();

    EXPECT_EQ(filesNamedPwned(m_root.path()), QStringList());
    if (!pwnedBefore) {
        EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(u("pwned"))));
    }
}

TEST_F(QtShellStart, FindsARelativeProgramWithBackslashesFromTheWorkingFolder)
{
    QtShell shell = makeShell();
    shell.execute(u("open"), u("My Games ü\\run game.sh"), QString(), m_root.path());

    const QStringList lines = waitForRecordedLines(m_output);
    ASSERT_EQ(lines.size(), 1) << "expected only the working folder, no arguments";
    EXPECT_EQ(canonical(lines.first()), canonical(m_root.path()));
    EXPECT_TRUE(m_failures.isEmpty());
}

TEST_F(QtShellStart, EmptyWorkingFolderMeansOurOwnCurrentFolder)
{
    QtShell shell = makeShell();
    shell.execute(QString(), m_script, u("\"\" x"), QString());

    const QStringList lines = waitForRecordedLines(m_output);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0), QString());
    EXPECT_EQ(lines.at(1), u("x"));
    EXPECT_EQ(canonical(lines.at(2)), canonical(QDir::currentPath()));
}

TEST_F(QtShellStart, LooksUpABareProgramNameOnTheSearchPath)
{
    const QString name = QStringLiteral("pallox-test-emulator");
    ASSERT_TRUE(writeRecordingProgram(m_programFolder + QLatin1Char('/') + name, m_output));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_programFolder) + ':' + oldPath);
    QtShell shell = makeShell();
    shell.execute(QString(), name, u("-fullscreen"), m_workFolder);
    qputenv("PATH", oldPath);

    const QStringList lines = waitForRecordedLines(m_output);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.first(), u("-fullscreen"));
    EXPECT_TRUE(m_failures.isEmpty());
}

TEST_F(QtShellStart, ReportsWhatCannotBeStartedWithoutWaiting)
{
    const QString document = m_root.filePath(u("readme.txt"));
    ASSERT_TRUE(writeFile(document, "not a program\n"));

    const struct
    {
        const char *name;
        QString program;
        QString parameters;
        QString workingFolder;
        QString reasonPart;
    } cases[] = {
        {"missing path", m_root.filePath(u("no such emulator")), u("-x"), QString(),
         u("no such file")},
        {"missing bare name", u("pallox-no-such-emulator-anywhere"), QString(), m_workFolder,
         u("no such file")},
        {"not executable", u("\"") + document + u("\""), u("-conf a.conf"), QString(),
         u("not an executable")},
        {"missing working folder", m_script, QString(), m_root.filePath(u("gone")),
         u("working folder")},
        {"no program", u("\"\""), QString(), QString(), u("no program")},
    };
    for (const auto &c : cases) {
        m_failures.clear();
        QtShell shell = makeShell();
        QElapsedTimer timer;
        timer.start();
        shell.execute(QString(), c.program, c.parameters, c.workingFolder);
        EXPECT_LT(timer.elapsed(), 3000) << c.name;
        ASSERT_EQ(m_failures.size(), 1) << c.name;
        EXPECT_TRUE(m_failures.first().startsWith(u("Could not start \""))) << c.name;
        EXPECT_TRUE(m_failures.first().contains(c.reasonPart))
            << c.name << ": " << m_failures.first().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(m_output)) << "a failed start must not run anything";
}

// Stands in for the desktop's handlers and records what they were given.
class DesktopHandlers : public QObject
{
    Q_OBJECT
public:
    DesktopHandlers()
    {
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~DesktopHandlers() override
    {
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QStringList opened;

public slots:
    void open(const QUrl &url) { opened.append(url.toString()); }
};

TEST_F(QtShellStart, OpensDocumentsWithTheExecuteBitAndBareWebAddressesWithTheDesktop)
{
    const QString elf = m_root.filePath(u("emulator"));
    const QString system = QStandardPaths::findExecutable(u("true"));
    ASSERT_FALSE(system.isEmpty());
    ASSERT_TRUE(QFile::copy(system, elf));
    const auto executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    // As a Windows-formatted disk shows them.
    const auto withExecuteBit = [&](const char *name, const QByteArray &content) {
        const QString path = m_root.filePath(QLatin1String(name));
        EXPECT_TRUE(writeFile(path, content) && QFile::setPermissions(path, executable));
        return path;
    };
    const QString manual = withExecuteBit("manual.txt", "Press F1 for help.\r\n");
    const QString pdf = withExecuteBit("Manual.pdf", "%PDF-1.4\n");
    const struct
    {
        QString target;
        QString opened; // empty: started as a program
    } cases[] = {
        {manual, QUrl::fromLocalFile(manual).toString()},
        {pdf, QUrl::fromLocalFile(pdf).toString()},
        {u("www.example.com/quest"), u("http://www.example.com/quest")},
        {elf, QString()},
    };
    for (const auto &c : cases) {
        DesktopHandlers desktop;
        m_failures.clear();
        makeShell().execute(QString(), u("\"") + c.target + u("\""), QString(), QString());
        EXPECT_TRUE(m_failures.isEmpty()) << m_failures.join(u("\n")).toStdString();
        EXPECT_EQ(desktop.opened, c.opened.isEmpty() ? QStringList() : QStringList{c.opened})
            << c.target.toStdString();
    }
}

} // namespace

#include "QtShellTest.moc"
