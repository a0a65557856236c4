// Reading the contents and index lists of a help file.
#include "HelpSitemap.h"
#include "SitemapDepth.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const QString& s)
{
    return s.toStdString();
}

} // namespace

// A nested list belongs to the entry before it. Hand-written files quote loosely, mix
// case and escape characters; entries without a name and objects of other kinds are no
// entries; an index entry's first page counts.
TEST(HelpSitemapTest, NestedAndLooseHtmlIsReadAsWritten)
{
    const std::vector<THelpTopic> topics = ParseSitemap(R"(
<object type="text/site properties"><param name="Name" value="not an entry"></object>
<UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Mover">
      <param name="Local" value="mover.html"></OBJECT>
  <ul><li><Object Type=text/sitemap><PARAM NAME=name VALUE='Play again!'>
      <param name=Local value=index.html#gameover></Object></ul>
  <li><object type="text/sitemap"><param name="Name" value="&quot;Draw&quot; &amp; more">
      <param name="Local" value="mover.html#end"><param name="Local" value="heap.html#end"></object>
  <li><object type="text/sitemap"><param name="Local" value="nameless.html"></object>
</UL>)");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(Text(topics[0].Name), "Mover");
    EXPECT_EQ(Text(topics[0].Local), "mover.html");
    ASSERT_EQ(topics[0].Children.size(), 1u);
    EXPECT_EQ(Text(topics[0].Children[0].Name), "Play again!");
    EXPECT_EQ(Text(topics[0].Children[0].Local), "index.html#gameover");
    EXPECT_EQ(Text(topics[1].Name), "\"Draw\" & more");
    EXPECT_EQ(Text(topics[1].Local), "mover.html#end");
    EXPECT_TRUE(topics[1].Children.empty());
}

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
    EXPECT_EQ(Text(closed[1].Name), "b");
}
