#include "support/Utf8.h"
#include "base/MessageLog.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList logged;

void keep(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtInfoMsg)
        logged << text;
}

// What scripts and the journal read: one line per box, line breaks and backslashes escaped so
// that the text reads back exactly, names from the library as they are.
TEST(MessageLog, EveryShownTextIsOneLogLineThatReadsBackExactly)
{
    logged.clear();
    const QtMessageHandler before = qInstallMessageHandler(keep);
    logShownMessage("message", u("The data cache \"C:\\Games\\DataCache.txt\" is damaged.\r\n\nRead again."));
    logShownMessage("question", u("Close PALLOX?"));
    logShownMessage("message", u("Schloß <b>Nebelstein</b> \\n"));
    qInstallMessageHandler(before);

    ASSERT_EQ(logged.size(), 3);
    EXPECT_EQ(logged.at(0),
              u("pallox: message: The data cache \"C:\\\\Games\\\\DataCache.txt\" is damaged.\\r\\n\\nRead again."));
    EXPECT_EQ(logged.at(1), u("pallox: question: Close PALLOX?"));
    EXPECT_EQ(logged.at(2), u("pallox: message: Schloß <b>Nebelstein</b> \\\\n"));
    for (const QString &line : std::as_const(logged))
        EXPECT_FALSE(line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')));
}

} // namespace
