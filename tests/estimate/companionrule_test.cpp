#include "estimate/companionrule.h"

#include <gtest/gtest.h>

namespace {

TEST(CompanionRuleTest, ItemsAndTheirCompanions)
{
    const struct {
        const char *item;
        const char *companion;
    } cases[] = {
        {"铺设复合地板", "复合地板直接铺设找平层"},
        {"铺设实木复合地板", "复合地板直接铺设找平层"},
        {"铺设复合地板(加厚)", ""},  // laminate needs the exact name
        {"地面铺设地砖", "地砖填缝剂"},
        {"客厅地面斜铺设地砖800", "地砖填缝剂"},
        {"墙面铺贴墙砖", "墙砖填缝剂"},
        {"墙面铺贴墙砖(地面以上)", "地砖填缝剂"},  // "地面" anywhere picks the floor grout
        {"墙面乳胶漆", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CompanionRule::companionFor(QString::fromUtf8(c.item)), QString::fromUtf8(c.companion)) << c.item;
}

} // namespace
