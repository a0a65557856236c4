#pragma once
#include "HelpSitemap.h"

#include <algorithm>

// How many levels a parsed contents or index tree has; 0 when it is empty.
inline size_t SitemapDepth(const std::vector<THelpTopic>& topics)
{
    size_t deepest = 0;
    for (const THelpTopic& topic : topics)
        deepest = std::max(deepest, SitemapDepth(topic.Children));
    return topics.empty() ? 0 : deepest + 1;
}
