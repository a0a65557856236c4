#include "StatisticsStore.h"

#include "ZelmoGame.h"

#include "SettingsStore.h"

#include <QSettings>
#include <climits>
#include <cstdio>

namespace {

const QString Group = QStringLiteral("Statistics");

struct TField {
    const char* Name;
    int TPlayerRecord::*Value;
};

const TField Fields[] = {
    {"Won", &TPlayerRecord::Won},
    {"Lost", &TPlayerRecord::Lost},
    {"Drawn", &TPlayerRecord::Drawn},
    {"Abandoned", &TPlayerRecord::Abandoned},
    {"Streak", &TPlayerRecord::Streak},
    {"LongestWinning", &TPlayerRecord::LongestWinning},
    {"LongestLosing", &TPlayerRecord::LongestLosing},
};

std::optional<int> ParseCount(const QString& text)
{
    if (text.startsWith(u'-'))
        return std::nullopt;
    const auto value = TSettingsStore::ParseDword(text);
    if (!value || *value > uint32_t(INT_MAX))
        return std::nullopt;
    return int(*value);
}

// A streak that contradicts the rest of the record is mended from it.
void MakeConsistent(TPlayerRecord& r)
{
    if (r.StreakKind == TPlayerRecord::skNone)
        r.Streak = 0;
    if (r.StreakKind == TPlayerRecord::skWins && r.LongestWinning < r.Streak)
        r.LongestWinning = r.Streak;
    if (r.StreakKind == TPlayerRecord::skLosses && r.LongestLosing < r.Streak)
        r.LongestLosing = r.Streak;
}

} // namespace

TStatisticsStore::TStatisticsStore() : TStatisticsStore(TSettingsStore().FilePath()) {}

TStatisticsStore::TStatisticsStore(QString filePath, TWarn warn)
    : path(std::move(filePath)), warn(std::move(warn))
{
}

void TStatisticsStore::StandardError(const QString& line)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
}

QString TStatisticsStore::RecordName(const QString& variant, int cpuPlayer)
{
    return cpuPlayer == cpStrong ? QStringLiteral("Strong/") + variant : variant;
}

TPlayerRecord TStatisticsStore::Load(const QString& variant) const
{
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(Group + u'/' + variant);
    const auto read = [&](const char* name) {
        const QString key = QString::fromLatin1(name);
        if (!store.contains(key))
            return 0;
        if (const auto count = ParseCount(store.value(key).toString()))
            return *count;
        warn(QStringLiteral("Christmas Zelmo: %1/%2/%3 is not a whole number from 0 to "
                            "2147483647; it counts as 0")
                 .arg(Group, variant, key));
        return 0;
    };
    TPlayerRecord record;
    for (const TField& field : Fields)
        record.*field.Value = read(field.Name);
    const int kind = read("StreakKind");
    record.StreakKind = kind <= TPlayerRecord::skLosses ? TPlayerRecord::TStreakKind(kind)
                                                        : TPlayerRecord::skNone;
    MakeConsistent(record);
    return record;
}

bool TStatisticsStore::Save(const QString& variant, const TPlayerRecord& record) const
{
    QSettings store(path, QSettings::IniFormat);
    // Written through a temporary file renamed over the old one (QSettings' default).
    store.setAtomicSyncRequired(true);
    store.beginGroup(Group + u'/' + variant);
    for (const TField& field : Fields)
        store.setValue(QString::fromLatin1(field.Name), record.*field.Value);
    store.setValue(QStringLiteral("StreakKind"), int(record.StreakKind));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

bool TStatisticsStore::Reset() const
{
    QSettings store(path, QSettings::IniFormat);
    store.setAtomicSyncRequired(true);
    store.remove(Group);
    store.sync();
    return store.status() == QSettings::NoError;
}
