// Reading the contents and index lists of a help file. How deep a hostile list may nest
// is the fuzz corpus's to check (deep-nesting.hhc), through the fuzzers' own check.
#include "HelpSitemap.h"

#include <gtest/gtest.h>

TEST(HelpSitemapTest, ClosingMoreListsThanWereOpenedLosesNothing)
{
    const std::vector<THelpTopic> closed = ParseSitemap(
        R"(</ul></ul><ul><li><object type="text/sitemap"><param name="Name" value="a"></object></ul></ul>)"
        R"(<li><object type="text/sitemap"><param name="Name" value="b"></object>)");
    ASSERT_EQ(closed.size(), 2u);
    EXPECT_EQ(closed[1].Name.toStdString(), "b");
}
