#pragma once
#include "PlayerRecord.h"

#include <QString>
#include <functional>

// The player's records in the settings store, in a group of their own
// ("Statistics/Mover/Won" and so on). Unlike the preferences, a record is written the
// moment it changes, and the file is replaced whole or not at all.
class TStatisticsStore {
public:
    // Where a value that could not be read is reported; one line, no newline.
    using TWarn = std::function<void(const QString& line)>;

    // The program's own store, the preferences' file.
    TStatisticsStore();
    explicit TStatisticsStore(QString filePath, TWarn warn = StandardError);

    // A value that is not a whole number from 0 to 2147483647 reads as 0, with a warning.
    TPlayerRecord Load(const QString& variant) const;
    // False when the store could not be written.
    bool Save(const QString& variant, const TPlayerRecord& record) const;
    // Clears every record and nothing else.
    bool Reset() const;

    static void StandardError(const QString& line);
    // Where a variant's record against the given computer player is kept: the classic
    // player's under the variant's name, the strong player's in a group of its own.
    static QString RecordName(const QString& variant, int cpuPlayer);

private:
    QString path;
    TWarn warn;
};
