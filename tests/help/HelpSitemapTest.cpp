// Reading the contents and index lists of a help file.
#include "HelpSitemap.h"
#include "SitemapDepth.h"

#include <gtest/gtest.h>

TEST(HelpSitemapTest, UnbalancedAndHostileNestingStaysShallow)
{
    QByteArray deep = R"(<ul><li><object type="text/sitemap"><param name="Name" value="top"></object>)";
    for (int i = 0; i < 1000; ++i)
        deep += R"(<ul><li><object type="text/sitemap"><param name="Name" value="x"></object>)";
    deep += "</ul></ul></ul></ul>";
    const std::vector<THelpTopic> topics = ParseSitemap(deep);
    ASSERT_EQ(topics.size(), 1u);
    EXPECT_LE(SitemapDepth(topics), SitemapMaxDepth);

    // Closing more lists than were opened loses nothing.
    const std::vector<THelpTopic> closed = ParseSitemap(
        R"(</ul></ul><ul><li><object type="text/sitemap"><param name="Name" value="a"></object></ul></ul>)"
        R"(<li><object type="text/sitemap"><param name="Name" value="b"></object>)");
    ASSERT_EQ(closed.size(), 2u);
    EXPECT_EQ(closed[1].Name.toStdString(), "b");
}
