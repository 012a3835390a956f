#include "core/main_window/page.h"

#include <gtest/gtest.h>

#include <climits>

namespace norvane {
namespace {

// The stored page is a hand-editable number: only the seven tab indices name a page.
TEST(PageTest, TabIndicesNameThePagesAndNothingElseDoes) {
    const struct {
        int index;
        std::optional<Page> page;
    } cases[] = {{0, Page::Timer},   {1, Page::Ship},  {2, Page::Guild},    {3, Page::Racial},
                 {4, Page::Chocobo}, {5, Page::Skill}, {6, Page::Calendar}, {7, std::nullopt},
                 {-1, std::nullopt}, {INT_MAX, std::nullopt}, {INT_MIN, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(PageAt(c.index), c.page) << c.index;
        if (c.page) {
            EXPECT_EQ(PageIndex(*c.page), c.index);
        }
    }
}

}  // namespace
}  // namespace norvane
