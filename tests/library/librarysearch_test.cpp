#include "library/librarysearch.h"
#include "library/librarytree.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char *search;
    const char *name;
    bool matches;
};

class SearchMatching : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(SearchMatching, FollowsTheCharactersInOrder)
{
    const MatchCase c = GetParam();
    EXPECT_EQ(LibrarySearch::matches(QString::fromUtf8(c.search), QString::fromUtf8(c.name)), c.matches)
        << c.search << " in " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchMatching,
    ::testing::Values(MatchCase{"门", "木门安装", true}, MatchCase{"门", "窗户", false},
                      MatchCase{"木门", "木门安装", true}, MatchCase{"门木", "木门安装", false},
                      MatchCase{"木?门*", "木门安装", true}, MatchCase{"木 门", "木门", true},
                      MatchCase{"*? *", "任何", true}, MatchCase{"", "任何", true},
                      // A character found may serve its successor at the same place.
                      MatchCase{"aa", "a", true}, MatchCase{"ba", "ab", false},
                      // Four of five found is enough; three of five is not.
                      MatchCase{"abcde", "abxde", true}, MatchCase{"abcde", "abcdx", true},
                      MatchCase{"abcdef", "axcxef", true}, MatchCase{"abcde", "axxde", false},
                      // A missing character does not move the search on.
                      MatchCase{"axbcd", "abcd", true}, MatchCase{"ab", "ABab", true},
                      MatchCase{"ab", "AB", false}));

QuotaItem item(const char *name, int node)
{
    QuotaItem i;
    i.itemName = QString::fromUtf8(name);
    i.treeNode = node;
    return i;
}

TEST(LibrarySearch, ListsMatchesInOrderWithPlaceholders)
{
    const QList<QuotaItem> items = {item("木门", 3), item("自定义", 4), item("铁门", 7)};
    const QString pad(50, u' ');
    EXPECT_EQ(LibrarySearch::search(items, QStringLiteral("门")),
              QList<LibrarySearch::Hit>({{3, "木门" + pad}, {7, "铁门" + pad}}));
    EXPECT_EQ(LibrarySearch::search(items, QStringLiteral("*")).size(), 3);
}

TEST(LibrarySearch, NothingFoundGivesOneNodeWithoutItem)
{
    const QList<QuotaItem> items = {item("窗", 3)};
    EXPECT_EQ(LibrarySearch::search(items, QStringLiteral("门")),
              QList<LibrarySearch::Hit>({{0, QStringLiteral("无搜索结果...")}}));
    EXPECT_EQ(LibraryTree::itemIndexOfNode(items, 0), -1);
}

TEST(LibrarySearch, BlankBoxMeansNoSearch)
{
    EXPECT_TRUE(LibrarySearch::searchText(QStringLiteral("   ")).isEmpty());
    EXPECT_EQ(LibrarySearch::searchText(QStringLiteral(" 门 ")), u"门");
}

} // namespace
