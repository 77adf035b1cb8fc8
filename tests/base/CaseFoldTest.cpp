#include "base/CaseFold.h"

#include <QHash>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <vector>

// Ini lookups and the folding of the main list both rely on CaseFold agreeing with the
// case-blind QString comparison users see elsewhere, and on equal texts hashing alike: a hash
// that differs for two spellings of one name makes a lookup miss without any error.
TEST(CaseFold, AgreesWithCaseBlindComparisonAndHashesEqualTextsAlike)
{
    // Units that fold beyond ASCII or to one another: final and capital sigma, micro sign and mu,
    // sharp s (which simple folding leaves alone), Deseret letters outside the basic plane as
    // surrogate pairs, and lone surrogates.
    const std::vector<QString> pieces{
        QStringLiteral("a"),
        QStringLiteral("A"),
        QStringLiteral("z"),
        QStringLiteral("["),
        QStringLiteral("\u00c9"),
        QStringLiteral("\u00e9"),
        QStringLiteral("\u03c3"),
        QStringLiteral("\u03c2"),
        QStringLiteral("\u03a3"),
        QStringLiteral("\u00b5"),
        QStringLiteral("\u03bc"),
        QStringLiteral("\u00df"),
        QStringLiteral("ss"),
        QStringLiteral("SS"),
        QString::fromUtf8("\U00010400"),
        QString::fromUtf8("\U00010428"),
        QString(QChar(0xD801)),
        QString(QChar(0xDC00)),
    };
    QRandomGenerator random(7);
    const auto text = [&] {
        QString result;
        const int length = int(random.bounded(4));
        for (int i = 0; i < length; ++i)
            result += pieces[random.bounded(quint32(pieces.size()))];
        return result;
    };
    int equalPairs = 0;
    for (int i = 0; i < 20000; ++i) {
        const QString a = text();
        const QString b = text();
        const bool expected = QString::compare(a, b, Qt::CaseInsensitive) == 0;
        ASSERT_EQ(CaseFold::equal(a, b), expected) << a.toStdString() << " / " << b.toStdString();
        if (expected) {
            ++equalPairs;
            ASSERT_EQ(CaseFold::hash(a, 42), CaseFold::hash(b, 42))
                << a.toStdString() << " / " << b.toStdString();
        }
    }
    EXPECT_GT(equalPairs, 500) << "the texts must meet often enough to test anything";

    QHash<CaseFoldedKey, int> index;
    index.insert(CaseFoldedKey{QStringLiteral("\u03a3\u03af\u03c3\u03c5\u03c6\u03bf\u03c2")}, 1);
    EXPECT_EQ(index.value(CaseFoldedKey{QStringLiteral("\u03c3\u03af\u03c3\u03c5\u03c6\u03bf\u03c3")}, 0), 1);
    EXPECT_EQ(index.value(CaseFoldedKey{QStringLiteral("\u03c3\u03af\u03c3\u03c5\u03c6\u03bf")}, 0), 0);
}
