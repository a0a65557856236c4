// The directory check that stands between a hostile help file and chmlib.
#include "HelpChmDirectory.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr qsizetype ChunkLength = 64;

// A listing entry: name, then section, offset and length, each one byte long.
QByteArray Entry(const QByteArray& name)
{
    return char(name.size()) + name + QByteArray("\x01\x02\x03", 3);
}

QByteArray Chunk(const char* signature, qsizetype headerLength, const QByteArray& entries)
{
    QByteArray chunk(ChunkLength, '\0');
    chunk.replace(0, 4, signature);
    qToLittleEndian<quint32>(quint32(ChunkLength - headerLength - entries.size()), chunk.data() + 4);
    chunk.replace(headerLength, entries.size(), entries);
    return chunk;
}

QByteArray Listing(qint32 next, const QByteArray& entries)
{
    QByteArray chunk = Chunk("PMGL", 20, entries);
    qToLittleEndian<qint32>(-1, chunk.data() + 12);
    qToLittleEndian<qint32>(next, chunk.data() + 16);
    return chunk;
}

// The chain of listings starts at chunk 0.
QByteArray Directory(qint32 root, const std::vector<QByteArray>& chunks)
{
    QByteArray directory(0x54, '\0');
    directory.replace(0, 4, "ITSP");
    qToLittleEndian<quint32>(1, directory.data() + 4);
    qToLittleEndian<quint32>(0x54, directory.data() + 8);
    qToLittleEndian<quint32>(ChunkLength, directory.data() + 0x10);
    qToLittleEndian<qint32>(root, directory.data() + 0x1C);
    for (const QByteArray& chunk : chunks)
        directory += chunk;
    return directory;
}

} // namespace

// One index chunk over two listings, the second reached through the chain, is sound (an
// index entry is the first name of a chunk and the chunk's number). Each of the others
// would send chmlib round in circles or past the end of a chunk; one shape for each thing
// the check looks at.
TEST(HelpChmDirectoryTest, LoopsOverrunsAndStrayChunksAreRefused)
{
    const QByteArray index = Chunk("PMGI", 8, QByteArray("\x07/a.html\x00\x07/b.html\x01", 18));
    EXPECT_TRUE(ChmDirectory::IsSound(
        Directory(2, {Listing(1, Entry("/a.html")), Listing(-1, Entry("/b.html")), index})));
    const QByteArray page = Entry("/index.html");
    const struct {
        const char* what;
        QByteArray directory;
    } cases[] = {
        {"a listing linking to itself", Directory(-1, {Listing(0, page)})},
        {"an index that is its own child",
         Directory(1, {Listing(-1, page), Chunk("PMGI", 8, QByteArray("\x02/a\x01", 4))})},
        {"a next listing past the last chunk", Directory(-1, {Listing(7, page)})},
        {"a name longer than its chunk",
         Directory(-1, {Listing(-1, char(100) + QByteArray("/index.html"))})},
        {"a number whose last byte is cut off",
         Directory(-1, {Listing(-1, QByteArray("\x02/a\x01\x02\x83", 6))})},
        {"more free space than the chunk has",
         [&] {
             QByteArray chunk = Listing(-1, page);
             qToLittleEndian<quint32>(ChunkLength, chunk.data() + 4);
             return Directory(-1, {chunk});
         }()},
        {"a chunk that is neither listing nor index",
         Directory(1, {Listing(-1, page), QByteArray(ChunkLength, 'x')})},
        {"no directory header", Listing(-1, page)},
        {"chunks too short for their header", [&] {
             QByteArray directory = Directory(-1, {Listing(-1, page)});
             qToLittleEndian<quint32>(4, directory.data() + 0x10);
             return directory;
         }()},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(ChmDirectory::IsSound(c.directory)) << c.what;
}
