#include "base/IniFile.h"
#include "dosboxconf/DOSBoxConfFile.h"
#include "dosboxconf/DOSBoxConfKeys.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/ResultText.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

// A file the editor saved, read by the DOSBox that Debian ships (0.74-3): its autoexec part makes
// DOSBox write back the configuration it read and quit, and every key of the table, by our name
// or by the one DOSBox 0.74 gives it, must hold what the editor shows for it. Once for DOSBox's
// own file, once for one that earlier versions of the editor left with our names beside 0.74's.
class RealDOSBox : public ::testing::TestWithParam<const char *>
{
};

TEST_P(RealDOSBox, ReadsWhatTheEditorSavedAsTheEditorShowsIt)
{
    const QString dosbox = QStandardPaths::findExecutable(QStringLiteral("dosbox"));
    if (dosbox.isEmpty())
        GTEST_SKIP() << "dosbox is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString conf = dir.filePath(QStringLiteral("game.conf"));
    const QString input =
        QStringLiteral(PALLOX_TEST_DATA "/dosboxconf/%1/input.conf").arg(QLatin1String(GetParam()));
    ASSERT_TRUE(writeFile(conf, readFile(input)));

    DOSBoxConf edited = DOSBoxConfFile::load(conf).value();
    const std::pair<const char *, const char *> changes[] = {
        {"cpu/cycles", "3000"},
        {"cpu/core", "normal"},
        {"dosbox/memsize", "32"},
        {"dosbox/machine", "vgaonly"},
        {"render/scaler", "none"},
        {"render/frameskip", "2"},
        {"render/aspect", "true"},
        {"sdl/autolock", "false"},
        {"sdl/sensitivity", "75"},
        {"sdl/priority", "normal"},
        {"sdl/priority/nonfocused", "pause"},
        {"cpu/cycleup", "200"},
        {"mixer/rate", "22050"},
        {"sblaster/sbtype", "sbpro2"},
        {"sblaster/irq", "5"},
        {"cpu/type", "pentium_slow"},
        {"midi/device", "none"},
        {"sblaster/mixer", "true"},
        {"gus/irq1", "10"},
        {"gus/dma1", "3"},
        {"dos/ems", "false"},
        {"joystick/joysticktype", "none"},
        {"dos/keyboardlayout", "none"},
    };
    for (const auto &[control, value] : changes)
        edited.values.insert(QLatin1String(control), QLatin1String(value));
    // The written name works whether this DOSBox takes it as a host path (relative to its
    // working folder) or as a DOS path on C:, both being the temporary folder.
    edited.autoexec = QStringList{QStringLiteral("mount c \"%1\"").arg(dir.path()), QStringLiteral("c:"),
                                  QStringLiteral("config -writeconf OUT.CNF"), QStringLiteral("exit")};
    const Result<void> savedConf = DOSBoxConfFile::save(conf, edited);
    ASSERT_TRUE(savedConf) << messageOf(savedConf).toStdString();

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SDL_VIDEODRIVER"), QStringLiteral("dummy"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.insert(QStringLiteral("HOME"), dir.path()); // DOSBox keeps nothing of ours
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(dosbox, {QStringLiteral("-conf"), conf});
    ASSERT_TRUE(process.waitForStarted(10000)) << process.errorString().toStdString();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        FAIL() << "dosbox did not quit: " << process.readAll().toStdString();
    }
    const QString written = dir.filePath(QStringLiteral("OUT.CNF"));
    ASSERT_TRUE(QFile::exists(written)) << process.readAll().toStdString();

    // What the editor shows after loading its own file again; the second gus lists share the
    // first ones' lines in a 0.74 file.
    const DOSBoxConf shown = DOSBoxConfFile::load(conf).value();
    QHash<QString, QString> expected = edited.values;
    expected.insert(QStringLiteral("gus/irq2"), QStringLiteral("10"));
    expected.insert(QStringLiteral("gus/dma2"), QStringLiteral("3"));
    EXPECT_EQ(shown.values, expected);
    const IniFile dosboxRead(written);
    const QString absent = QStringLiteral("<absent>");
    int compared = 0;
    const IniFile saved(conf);
    const IniFile before(input);
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        QString value = dosboxRead.readString(key.section, key.key, absent);
        if (value == absent && !key.alias.isEmpty())
            value = dosboxRead.readString(key.section, key.alias, absent);
        if (value == absent) {
            // A key this DOSBox does not have: the editor must not have added or changed it either.
            EXPECT_FALSE(key.lineIn074) << key.key.toStdString();
            EXPECT_EQ(saved.readString(key.section, key.key, absent), before.readString(key.section, key.key, absent))
                << key.key.toStdString();
            continue;
        }
        ++compared;
        EXPECT_EQ(value, DOSBoxConfFile::valueToWrite(key, shown.values))
            << key.section.toStdString() << "/" << key.key.toStdString();
    }
    EXPECT_EQ(compared, int(DOSBoxConfKeys::all().size()) - 1); // all but hwscale
    for (const char *key : {"cycles", "core"})
        EXPECT_NE(dosboxRead.readString(QStringLiteral("cpu"), QLatin1String(key), absent), absent) << key;
    EXPECT_EQ(dosboxRead.readString(QStringLiteral("dosbox"), QStringLiteral("memsize"), absent),
              QStringLiteral("32"));
    EXPECT_EQ(dosboxRead.readString(QStringLiteral("cpu"), QStringLiteral("cycles"), absent),
              QStringLiteral("3000"));
}

INSTANTIATE_TEST_SUITE_P(Files, RealDOSBox, ::testing::Values("dosbox-074-changed-values", "dosbox-074-both-names"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             std::string name = info.param;
                             for (char &c : name)
                                 c = (c == '-') ? '_' : c;
                             return name;
                         });

} // namespace
