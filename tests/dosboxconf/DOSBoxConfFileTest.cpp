#include "base/IniFile.h"
#include "dosboxconf/DOSBoxConfFile.h"
#include "dosboxconf/DOSBoxConfKeys.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/ResultText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

QString caseFolder(const std::string &name)
{
    return QStringLiteral(PALLOX_TEST_DATA "/dosboxconf/") + QString::fromStdString(name);
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    const QDir folder(QStringLiteral(PALLOX_TEST_DATA "/dosboxconf"));
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

// "name=value" lines of a case file in UTF-8; blank lines and "#" lines are notes.
std::vector<std::pair<QString, QString>> assignments(const QString &fileName)
{
    std::vector<std::pair<QString, QString>> result;
    const QString text = QString::fromUtf8(readFile(fileName));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        result.emplace_back(line.left(equals), equals < 0 ? QString() : line.mid(equals + 1));
    }
    return result;
}

// autoexec[3] -> 3
int lineIndex(const QString &name)
{
    return name.mid(9, name.size() - 10).toInt();
}

void applyEdits(const QString &fileName, DOSBoxConf &conf)
{
    for (const auto &[name, value] : assignments(fileName)) {
        if (name == QLatin1String("autoexec+"))
            conf.autoexec.append(value);
        else if (name == QLatin1String("autoexec-remove"))
            conf.autoexec.removeAt(value.toInt());
        else if (name.startsWith(QLatin1String("autoexec[")))
            conf.autoexec[lineIndex(name)] = value;
        else
            conf.values.insert(name, value);
    }
}

void expectLoaded(const QString &fileName, const DOSBoxConf &conf)
{
    for (const auto &[name, value] : assignments(fileName)) {
        if (name == QLatin1String("autoexec-count"))
            EXPECT_EQ(conf.autoexec.size(), value.toInt());
        else if (name.startsWith(QLatin1String("autoexec[")))
            EXPECT_EQ(conf.autoexec.value(lineIndex(name)), value) << name.toStdString();
        else
            EXPECT_EQ(conf.values.value(name, QStringLiteral("<missing>")), value) << name.toStdString();
    }
}

// One folder per case: input.conf (none: the file does not exist yet), what the editor shows
// after Load (loaded.txt), what the user changes (edits.txt), and the file Save must leave
// behind, byte for byte (expected.conf).
class DOSBoxConfFileCase : public ::testing::TestWithParam<std::string>
{
};

TEST_P(DOSBoxConfFileCase, LoadEditSave)
{
    const QString folder = caseFolder(GetParam());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("game.conf"));
    const bool hadFile = QFile::exists(folder + QStringLiteral("/input.conf"));
    if (hadFile) {
        ASSERT_TRUE(writeFile(target, readFile(folder + QStringLiteral("/input.conf"))));
    }

    const Result<DOSBoxConf> loaded = DOSBoxConfFile::load(target);
    ASSERT_TRUE(loaded) << messageOf(loaded).toStdString();
    EXPECT_EQ(loaded->values.size(), qsizetype(DOSBoxConfKeys::all().size() + 1));
    expectLoaded(folder + QStringLiteral("/loaded.txt"), *loaded);

    DOSBoxConf edited = *loaded;
    applyEdits(folder + QStringLiteral("/edits.txt"), edited);
    const Result<void> saved = DOSBoxConfFile::save(target, edited);
    ASSERT_TRUE(saved) << messageOf(saved).toStdString();
    const QByteArray expected = readFile(folder + QStringLiteral("/expected.conf"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(readFile(target), expected);

    // What was saved reads back as it was shown.
    const Result<DOSBoxConf> again = DOSBoxConfFile::load(target);
    ASSERT_TRUE(again) << messageOf(again).toStdString();
    EXPECT_EQ(again->values, edited.values);
    const bool hasMarker = expected.contains("[autoexec]");
    QStringList lines = hasMarker ? edited.autoexec : QStringList();
    while (lines.size() < again->autoexec.size() && hasMarker)
        lines.append(QString()); // lines the list no longer fills stay as empty lines
    EXPECT_EQ(again->autoexec, lines);
    // A second save of the same values changes nothing.
    ASSERT_TRUE(DOSBoxConfFile::save(target, *again));
    EXPECT_EQ(readFile(target), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DOSBoxConfFileCase, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             std::string name = info.param;
                             for (char &c : name)
                                 c = (c == '-') ? '_' : c;
                             return name;
                         });

TEST(DOSBoxConfFile, FilesThatCannotBeReadOrWrittenAreReportedAndLeftAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Result<DOSBoxConf> folder = DOSBoxConfFile::load(dir.path());
    ASSERT_FALSE(folder);
    EXPECT_EQ(messageOf(folder),
              QStringLiteral("Cannot read \"%1\": it is not a file.").arg(QDir::toNativeSeparators(dir.path())));

    const Result<DOSBoxConf> none = DOSBoxConfFile::load(dir.filePath(QStringLiteral("none.conf")));
    ASSERT_TRUE(none);
    const DOSBoxConf conf = *none;
    EXPECT_EQ(messageOf(DOSBoxConfFile::save(dir.path(), conf)),
              QStringLiteral("Cannot save \"%1\": it is not a file.").arg(QDir::toNativeSeparators(dir.path())));
    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/game.conf"));
    EXPECT_TRUE(messageOf(DOSBoxConfFile::save(inMissingFolder, conf)).startsWith(QStringLiteral("Cannot save")));
    EXPECT_FALSE(QFile::exists(inMissingFolder));
    // Nothing but the file itself is left in its folder: no scratch copies.
    const QString target = dir.filePath(QStringLiteral("game.conf"));
    ASSERT_TRUE(DOSBoxConfFile::save(target, conf));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.conf")});
}

TEST(DOSBoxConfFile, FilesThatAreNoConfigurationAreRefusedAndKeptAsTheyAre)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString garbage = dir.filePath(QStringLiteral("garbage.conf"));
    QByteArray noise;
    for (int i = 0; i < 64 * 1024; ++i)
        noise.append(char((i * 7919 + i / 251) % 256));
    // Ini-like lines that are not DOSBox's do not make it one either.
    noise += "\r\n[network]\r\nmemsize=16\r\n";
    ASSERT_TRUE(writeFile(garbage, noise));
    const Result<DOSBoxConf> loaded = DOSBoxConfFile::load(garbage);
    EXPECT_EQ(messageOf(loaded), QStringLiteral("\"%1\" is not a DOSBox configuration file: it has none of DOSBox's "
                                           "sections, such as [sdl], [dosbox] or [autoexec]. Nothing was loaded.")
                                .arg(QDir::toNativeSeparators(garbage)));
    EXPECT_FALSE(loaded);
    EXPECT_EQ(readFile(garbage), noise);

    // Blank files start a new configuration as missing ones do; one section of DOSBox's, in any
    // letter case, or an autoexec part alone, is a configuration.
    for (const QByteArray &content : {QByteArray(), QByteArray(" \r\n\t\r\n"), QByteArray("[autoexec]\r\nmount c .\r\n"),
                                      QByteArray("# mine\n[SDL]\nfullscreen=true\n")}) {
        const QString conf = dir.filePath(QStringLiteral("mine.conf"));
        ASSERT_TRUE(writeFile(conf, content));
        const Result<DOSBoxConf> mine = DOSBoxConfFile::load(conf);
        ASSERT_TRUE(mine) << content.toStdString() << messageOf(mine).toStdString();
        EXPECT_FALSE(mine->values.isEmpty());
    }
}

// The priority line Load found is kept only in that file: a file saved under another name, new
// or not, gets the pair the lists show, also where its own line would load as that pair.
TEST(DOSBoxConfFile, APriorityLineIsKeptOnlyInTheFileItWasLoadedFrom)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray dosboxDefault = readFile(caseFolder("dosbox-default") + QStringLiteral("/input.conf"));
    ASSERT_TRUE(dosboxDefault.contains("\npriority=higher,normal\n"));
    const auto priorityIn = [](const QString &file) {
        return IniFile(file).readString(QStringLiteral("sdl"), QStringLiteral("priority"), QStringLiteral("<none>"));
    };
    const QString lowest = dir.filePath(QStringLiteral("lowest.conf"));
    ASSERT_TRUE(writeFile(lowest, QByteArray(dosboxDefault).replace("priority=higher,normal", "priority=lowest,lowest")));
    const QString other = dir.filePath(QStringLiteral("other.conf"));
    ASSERT_TRUE(writeFile(other, dosboxDefault));

    const DOSBoxConf loaded = DOSBoxConfFile::load(lowest).value();
    const QString fresh = dir.filePath(QStringLiteral("fresh.conf"));
    ASSERT_TRUE(DOSBoxConfFile::save(fresh, loaded));
    EXPECT_EQ(priorityIn(fresh), QStringLiteral("lowest,lowest"));
    ASSERT_TRUE(DOSBoxConfFile::save(other, loaded));
    EXPECT_EQ(priorityIn(other), QStringLiteral("lowest,lowest"));
    ASSERT_TRUE(DOSBoxConfFile::save(lowest, loaded));
    EXPECT_EQ(priorityIn(lowest), QStringLiteral("lowest,lowest"));

    // A value of one piece shows as the pair and stays in its own file; the same line elsewhere,
    // which DOSBox reads otherwise, is given what the lists show.
    const QByteArray onePiece = QByteArray(dosboxDefault).replace("priority=higher,normal", "priority=lowest");
    const QString own = dir.filePath(QStringLiteral("own.conf"));
    const QString twin = dir.filePath(QStringLiteral("twin.conf"));
    ASSERT_TRUE(writeFile(own, onePiece));
    ASSERT_TRUE(writeFile(twin, onePiece));
    const DOSBoxConf one = DOSBoxConfFile::load(own).value();
    ASSERT_TRUE(DOSBoxConfFile::save(own, one));
    EXPECT_EQ(readFile(own), onePiece);
    ASSERT_TRUE(DOSBoxConfFile::save(twin, one));
    EXPECT_EQ(priorityIn(twin), QStringLiteral("lowest,normal"));
}

} // namespace
