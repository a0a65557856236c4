#include "DrawnArtwork.h"

#include "About.h"
#include "ArtSink.h"
#include "Backgrounds.h"
#include "CardSet.h"
#include "Chooser.h"
#include "GameOverPictures.h"
#include "Icons.h"
#include "Paint.h"

#include <map>
#include <mutex>

namespace {

// Keeps what the drawing code hands over, under its resource name.
class TMemorySink : public art::ArtSink {
public:
    explicit TMemorySink(std::map<QString, QImage>& pictures) : pictures(pictures) {}
    void add(const QString& path, const QImage& image) override
    {
        pictures[QStringLiteral(":/") + path] = image;
    }

private:
    std::map<QString, QImage>& pictures;
};

using TWriter = void (*)(art::ArtSink&);

TWriter WriterOf(const QString& path)
{
    static const std::pair<const char*, TWriter> folders[] = {
        {":/cards/", art::writeCards},          {":/backgrounds/", art::writeBackgrounds},
        {":/chooser/", art::writeChooser},      {":/icons/", art::writeIcons},
        {":/gameover/", art::writeGameOverPictures}, {":/about/", art::writeAbout}};
    for (const auto& [folder, writer] : folders)
        if (path.startsWith(QLatin1String(folder)))
            return writer;
    return nullptr;
}

// The drawing code keeps its scale in one place, so one drawing runs at a time.
std::mutex drawing;

// Runs `draw` with the drawing code at `scale`.
template <typename F> void AtScale(int scale, F draw)
{
    art::setScale(scale);
    draw();
    art::setScale(1);
}

} // namespace

QImage DrawnArtwork(const QString& path, int scale)
{
    static std::map<std::pair<TWriter, int>, std::map<QString, QImage>> drawn;
    const TWriter writer = WriterOf(path);
    if (!writer)
        return {};
    const std::lock_guard lock(drawing);
    const auto key = std::make_pair(writer, scale);
    auto found = drawn.find(key);
    if (found == drawn.end()) {
        found = drawn.emplace(key, std::map<QString, QImage>{}).first;
        TMemorySink sink(found->second);
        AtScale(scale, [&] { writer(sink); });
    }
    const auto picture = found->second.find(path);
    return picture == found->second.end() ? QImage() : picture->second;
}

QImage DrawnNameLabel(const QString& word, bool hovered, int scale)
{
    const std::lock_guard lock(drawing);
    QImage label;
    AtScale(scale, [&] { label = art::nameLabel(word, hovered); });
    return label;
}
