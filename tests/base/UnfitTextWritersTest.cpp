#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "dosboxconf/DOSBoxConfFile.h"
#include "presentation/DOSBoxConfCaptions.h"
#include "support/Files.h"
#include "support/ResultText.h"
#include "support/Utf8.h"
#include "wizard/EntryWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every writer of a file that may be in Windows-1252, given a text that code page cannot hold.
// None may put a stand-in where the user's text was: the files of other programs refuse it and
// keep their bytes, naming what holds it the way the user knows it; Pallox's own settings file
// takes it by turning into UTF-8.
struct Writer
{
    const char *name;
    QByteArray before; // a Windows-1252 file: "é" is the byte E9
    std::function<Result<void>(const QString &file, const QString &text)> write;
    // What the refusal names; empty for the writer that stores the text instead.
    QString naming;
};

const QString kUnfit = u("/home/u/ゲーム");
const QString kFit = u("/home/u/Café €"); // every character in the code page

Result<void> saveConf(const QString &file, const std::function<void(DOSBoxConf &)> &change)
{
    Result<DOSBoxConf> conf = DOSBoxConfFile::load(file);
    if (!conf)
        return std::move(conf).error();
    change(*conf);
    Result<void> saved = DOSBoxConfFile::save(file, *conf);
    if (!saved) // as the editor tells it
        return DOSBoxConfCaptions::namedAsShown(std::move(saved).error());
    return saved;
}

std::vector<Writer> writers()
{
    const QByteArray conf = "[dosbox]\r\ncaptures=capture\r\n# caf\xe9\r\n[autoexec]\r\nmount c \"/home/u/Caf\xe9\"\r\n";
    const QByteArray game = "[Main]\r\nName=Caf\xe9\r\nPublisher=Ocean\r\n";
    return {
        {"SettingsFile", "[Main]\r\n; caf\xe9\r\nVADPath=/old/\r\nWidth=800\r\n",
         [](const QString &file, const QString &text) {
             return SettingsFile(file).write(SettingsKeys::VADPath, text);
         },
         QString()},
        {"GameIniFile", game,
         [](const QString &file, const QString &text) {
             return IniFile(file).writeString(u("Main"), u("Publisher"), text);
         },
         u("characters of the value of \"Publisher\".")},
        {"DOSBoxControl", conf,
         [](const QString &file, const QString &text) {
             return saveConf(file, [&](DOSBoxConf &c) { c.values.insert(u("dosbox/captures"), text + u("/capture")); });
         },
         u("characters of \"Capture Directory\" on the DOSBox tab.")},
        {"DOSBoxAutoexecLine", conf,
         [](const QString &file, const QString &text) {
             return saveConf(file, [&](DOSBoxConf &c) { c.autoexec.append(u("mount d \"%1\"").arg(text)); });
         },
         u("characters of the autoexec line \"mount d \"/home/u/ゲーム\"\".")},
        {"EntryHelper", game,
         [](const QString &file, const QString &text) {
             return EntryWriter::writeKeys(file, {{u("Publisher"), text}});
         },
         u("characters of these fields: Publisher.")},
    };
}

class UnfitTextWriters : public ::testing::TestWithParam<Writer>
{
};

TEST_P(UnfitTextWriters, NeverPutAStandInForTheUsersText)
{
    const Writer &writer = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(u("file.ini"));
    ASSERT_TRUE(writeFile(file, writer.before));

    const Result<void> unfit = writer.write(file, kUnfit);
    const QByteArray after = readFile(file);
    EXPECT_FALSE(after.contains("???")) << after.toStdString();
    if (writer.naming.isEmpty()) {
        ASSERT_TRUE(unfit) << messageOf(unfit).toStdString();
        // Every line's text kept, now in UTF-8, which is how it reads from then on.
        EXPECT_EQ(after, u("[Main]\r\n; café\r\nVADPath=%1\r\nWidth=800\r\n").arg(kUnfit).toUtf8());
        EXPECT_EQ(SettingsFile(file).read(SettingsKeys::VADPath), kUnfit);
        return;
    }
    EXPECT_FALSE(unfit);
    EXPECT_EQ(after, writer.before) << "the file keeps its bytes";
    const QString message = messageOf(unfit);
    EXPECT_TRUE(message.contains(writer.naming)) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("Nothing was saved."))) << message.toStdString();

    // Text the code page holds is written in it, as before.
    const Result<void> fit = writer.write(file, kFit);
    ASSERT_TRUE(fit) << messageOf(fit).toStdString();
    EXPECT_TRUE(readFile(file).contains("/home/u/Caf\xe9 \x80")) << readFile(file).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, UnfitTextWriters, ::testing::ValuesIn(writers()),
                         [](const ::testing::TestParamInfo<Writer> &info) { return std::string(info.param.name); });

} // namespace
