#include "HelpChmDirectory.h"

#include <QtEndian>
#include <optional>
#include <vector>

namespace {

// The directory header: signature, version, its own length, then at 0x10 the chunk
// length and at 0x1C and 0x20 the first index chunk and the first listing chunk.
constexpr qsizetype HeaderLength = 0x54;
constexpr qsizetype ChunkLengthAt = 0x10;
constexpr qsizetype IndexRootAt = 0x1C;
constexpr qsizetype ListingHeadAt = 0x20;
// Listing chunks ("PMGL") start with the free space at their end and, at 16, the next
// listing chunk; index chunks ("PMGI") with the free space only.
constexpr qsizetype ListingHeaderLength = 20;
constexpr qsizetype NextListingAt = 16;
constexpr qsizetype IndexHeaderLength = 8;
// chmlib copies names into buffers of this many bytes and one more.
constexpr quint64 MaxNameLength = 256;
constexpr int NoChunk = -1;
// Real files have an index one or two levels deep; a hostile one must not recurse far.
constexpr int MaxIndexDepth = 16;

template <typename T> T Little(const char* at)
{
    return qFromLittleEndian<T>(at);
}

// The entries of one chunk, read as chmlib reads them: each length checked against the
// chunk, which chmlib does not do.
class TEntryReader {
public:
    TEntryReader(const char* from, const char* to) : at(from), end(to) {}

    bool AtEnd() const { return at >= end; }

    // A number of 7-bit groups, high bit set on all but the last byte.
    std::optional<quint64> Number()
    {
        quint64 value = 0;
        for (int bytes = 0; at < end && bytes < 10; ++bytes) {
            const auto byte = quint8(*at++);
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80)) return value;
        }
        return std::nullopt;
    }

    bool SkipName()
    {
        const std::optional<quint64> length = Number();
        if (!length || *length > MaxNameLength || *length > quint64(end - at)) return false;
        at += *length;
        return true;
    }

private:
    const char* at;
    const char* end;
};

class TDirectoryCheck {
public:
    explicit TDirectoryCheck(const QByteArray& bytes) : directory(bytes) {}

    bool Run()
    {
        if (directory.size() < HeaderLength || !directory.startsWith("ITSP")) return false;
        chunkLength = Little<quint32>(directory.constData() + ChunkLengthAt);
        if (chunkLength < ListingHeaderLength || chunkLength > directory.size()) return false;
        chunkCount = (directory.size() - HeaderLength) / chunkLength;
        state.assign(size_t(chunkCount), csUnseen);
        if (!ListingChainIsSound(Little<qint32>(directory.constData() + ListingHeadAt)))
            return false;
        const qint32 root = Little<qint32>(directory.constData() + IndexRootAt);
        // Without an index chmlib searches from the first listing chunk.
        return root == NoChunk || IndexIsSound(root, 0);
    }

private:
    enum TState { csUnseen, csEntered, csSound };

    const char* Chunk(qint64 number) const
    {
        return directory.constData() + HeaderLength + number * chunkLength;
    }

    bool Exists(qint64 number) const { return number >= 0 && number < chunkCount; }

    // The region of a chunk that holds entries, or none when its free space is too large.
    std::optional<TEntryReader> Entries(qint64 number, qsizetype headerLength) const
    {
        const char* chunk = Chunk(number);
        const quint32 freeSpace = Little<quint32>(chunk + 4);
        if (freeSpace > quint64(chunkLength - headerLength)) return std::nullopt;
        return TEntryReader(chunk + headerLength, chunk + chunkLength - freeSpace);
    }

    bool ListingIsSound(qint64 number) const
    {
        if (!Exists(number) || !QByteArrayView(Chunk(number), 4).startsWith("PMGL")) return false;
        std::optional<TEntryReader> entries = Entries(number, ListingHeaderLength);
        if (!entries) return false;
        // Name, then section, offset and length.
        while (!entries->AtEnd())
            if (!entries->SkipName() || !entries->Number() || !entries->Number() ||
                !entries->Number())
                return false;
        return true;
    }

    // Every listing chunk once at most, in one chain that ends.
    bool ListingChainIsSound(qint64 number)
    {
        std::vector<bool> visited(size_t(chunkCount), false);
        for (; number != NoChunk; number = Little<qint32>(Chunk(number) + NextListingAt)) {
            if (!Exists(number) || visited[size_t(number)] || !ListingIsSound(number))
                return false;
            visited[size_t(number)] = true;
        }
        return true;
    }

    // A tree of index chunks over listing chunks: no chunk leads back to one on the way.
    bool IndexIsSound(qint64 number, int depth)
    {
        if (!Exists(number) || depth > MaxIndexDepth) return false;
        TState& seen = state[size_t(number)];
        if (seen == csSound) return true;
        if (seen == csEntered) return false;
        if (QByteArrayView(Chunk(number), 4).startsWith("PMGL")) {
            seen = ListingIsSound(number) ? csSound : csEntered;
            return seen == csSound;
        }
        if (!QByteArrayView(Chunk(number), 4).startsWith("PMGI")) return false;
        seen = csEntered;
        std::optional<TEntryReader> entries = Entries(number, IndexHeaderLength);
        if (!entries) return false;
        while (!entries->AtEnd()) {
            if (!entries->SkipName()) return false;
            const std::optional<quint64> child = entries->Number();
            // chmlib keeps the child's number in an int.
            if (!child || !IndexIsSound(qint32(quint32(*child)), depth + 1)) return false;
        }
        seen = csSound;
        return true;
    }

    const QByteArray& directory;
    qint64 chunkLength = 0;
    qint64 chunkCount = 0;
    std::vector<TState> state;
};

} // namespace

namespace ChmDirectory {

bool IsSound(const QByteArray& directory)
{
    return TDirectoryCheck(directory).Run();
}

} // namespace ChmDirectory
