#include "nostalgia/NostalgiaSkin.h"
#include "base/IniFile.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What the user is told of the file; empty when it is usable.
QString problemOfFile(const QString &path, const QByteArray &bytes)
{
    EXPECT_TRUE(writeFile(path, bytes));
    const Result<void> usable = NostalgiaSkin::usable(IniFile(path));
    return usable ? QString() : usable.error().message();
}

TEST(DamagedSkins, AFileWithoutAnySkinSectionIsNamedAndABareSkinIsNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("skins.ini"));
    QByteArray noise;
    for (int i = 0; i < 8192; ++i)
        noise.append(char((i * 131 + 7) % 256));
    noise += "\r\n[Unknown]\r\nImage=computer.png\r\n";
    EXPECT_EQ(problemOfFile(path, noise),
              QStringLiteral("Nostalgia mode cannot use the skins file \"%1\": it has none of the sections a skin "
                             "is made of, such as [Computer] or [Background].")
                  .arg(QDir::toNativeSeparators(path)));

    // A skin with one section in any letter case, an empty file and a missing one give the bare
    // view without a word, as they always did.
    EXPECT_TRUE(problemOfFile(path, "[computer]\r\nImage=pc.png\r\n").isEmpty());
    EXPECT_TRUE(problemOfFile(path, "[Main]\r\nTransitionDelay=3\r\n").isEmpty());
    EXPECT_TRUE(problemOfFile(path, QByteArray()).isEmpty());
    EXPECT_TRUE(NostalgiaSkin::usable(IniFile(dir.filePath(QStringLiteral("none.ini")))));
}

} // namespace
