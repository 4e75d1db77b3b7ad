#include "reader/PaperCatalog.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(PaperCatalog, SixteenYearsOf71PartsFiveUpTo2001FourFrom2002) {
    const QList<PaperCatalog::Year> years = PaperCatalog::years();
    ASSERT_EQ(years.size(), 16);
    EXPECT_EQ(years.first().year, 1995);
    EXPECT_EQ(years.first().nodeKey, "n1995");
    EXPECT_EQ(years.first().caption, "1995年试题");
    EXPECT_EQ(years.last().caption, "2010年试题");
    for (const PaperCatalog::Year &year : years)
        EXPECT_EQ(year.parts.size(), year.year <= 2001 ? 5 : 4) << year.year;
    EXPECT_EQ(years.at(3).parts.last(), "Part5"); // 1998

    const QStringList keys = PaperCatalog::allKeys();
    EXPECT_EQ(keys.size(), 71);
    EXPECT_EQ(keys.first(), "1995年试题Part1");
    EXPECT_TRUE(keys.contains("1998年试题Part5"));
    EXPECT_FALSE(keys.contains("2002年试题Part5"));
    EXPECT_EQ(keys.last(), "2010年试题Part4");
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), 71);
}
