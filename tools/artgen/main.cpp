// artgen: draws every bitmap of Christmas Zelmo and writes it into resources/.
#include "About.h"
#include "ArtFiles.h"
#include "Backgrounds.h"
#include "CardSet.h"
#include "Chooser.h"
#include "ContactSheet.h"
#include "GameOverPictures.h"
#include "Icons.h"
#include "MainIcon.h"
#include "Paint.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

namespace {

// The program icon comes in sizes of its own; everything else also at 2x and 3x.
void writePictures(art::ArtFiles &sink)
{
    art::writeChooser(sink);
    art::writeIcons(sink);
    if (art::scale() == 1)
        art::writeMainIcon(sink);
    art::writeBackgrounds(sink);
    art::writeGameOverPictures(sink);
    art::writeAbout(sink);
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the game's bitmaps."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("out"), QStringLiteral("Folder to write into."),
                      QStringLiteral("dir")});
    parser.addOption({QStringLiteral("sheet"), QStringLiteral("Also write a contact sheet."),
                      QStringLiteral("png")});
    parser.process(app);
    if (!parser.isSet(QStringLiteral("out"))) {
        std::fprintf(stderr, "artgen: --out <dir> is required\n");
        return 2;
    }

    art::ArtFiles sink(parser.value(QStringLiteral("out")));
    for (int scale : {1, 2, 3}) {
        art::setScale(scale);
        sink.setScale(scale);
        art::writeCards(sink);
        writePictures(sink);
    }
    art::setScale(1);
    if (parser.isSet(QStringLiteral("sheet")) &&
        !art::contactSheet(sink.all()).save(parser.value(QStringLiteral("sheet")), "png")) {
        std::fprintf(stderr, "artgen: cannot write the contact sheet\n");
        return 1;
    }
    return sink.ok() ? 0 : 1;
}
