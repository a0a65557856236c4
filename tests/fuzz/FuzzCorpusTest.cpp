// The fuzzers' committed corpus, with the inputs of every finding fixed, through the
// same checks the fuzzers run: a fixed finding stays fixed in the plain build.
#include "FuzzChecks.h"
#include "PictureLoader.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(FuzzCorpusTest, EveryInputKeepsTheReadersPromises)
{
    const struct {
        const char* folder;
        std::string (*check)(std::span<const uint8_t>);
        int least;
    } corpora[] = {{"picture", &CheckPictureInput, 8}, {"help", &CheckHelpInput, 3}};
    for (const auto& [folder, check, least] : corpora) {
        const QDir dir(QStringLiteral(ZELMO_FUZZ_CORPUS_DIR "/") + QLatin1String(folder));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        EXPECT_GE(names.size(), least) << folder;
        for (const QString& name : names) {
            QFile file(dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(check({reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())}), "")
                << folder << "/" << name.toStdString();
            // A fuzzer started from refused seeds would never get past the format checks.
            if (check == &CheckPictureInput && !name.startsWith(QLatin1String("finding-"))) {
                EXPECT_TRUE(PictureLoader::Load(file.fileName()).has_value()) << name.toStdString();
            }
        }
    }
}
