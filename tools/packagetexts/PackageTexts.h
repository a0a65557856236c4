#pragma once
#include <array>

// The texts the desktop entry and the AppStream metainfo carry, in the order they
// appear there. The English text is also the source text of its translations (context
// "Package").
struct TPackageText {
    const char* Key; // the desktop entry's key, or the metainfo element
    const char* Text;
};

extern const std::array<TPackageText, 10> PackageTexts;
