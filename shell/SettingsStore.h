#pragma once
#include "Settings.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Where the settings record lives between runs: an INI file in the user's configuration
// folder ("Christmas Zelmo.conf"), integers, colours and Booleans as whole numbers,
// BackgroundImage as text.
class TSettingsStore {
public:
    // The program's own store.
    TSettingsStore();
    explicit TSettingsStore(QString filePath) : path(std::move(filePath)) {}

    const QString& FilePath() const { return path; }

    struct TLoadReport {
        QStringList Read;               // the values found, in reading order
        std::optional<QString> WrongType; // the value that stopped the reading
        QStringList Unread;             // stored after it, so never read
    };
    // Reads every stored value in its order into the record, replacing what lies outside
    // its range, and builds the background picture. A value of the wrong type stops the
    // reading there: the values after it keep their defaults.
    TLoadReport Load(TSettings& settings) const;
    // The stored table size alone, read before the application exists; 100 when there
    // is none or it is not one of the sizes offered.
    int StoredZoom() const;
    // The stored language alone, read before the application exists: a code of
    // Languages, or empty (the system's) for anything else.
    QString StoredLanguage() const;
    // What Save writes for the record, by name, in writing order: Background and
    // BackgroundImage only for a picture background.
    using TValues = std::vector<std::pair<QString, QVariant>>;
    static TValues Values(const TSettings& settings);
    // Writes the record but the values named in keep, which stay as stored. A store the
    // settings reader cannot parse is first kept beside it as UnreadableCopy(). False
    // when the store could not be written; what it held is then untouched.
    bool Save(const TSettings& settings, const QStringList& keep = {}) const;
    QString UnreadableCopy() const { return path + QStringLiteral(".unreadable"); }

    // A stored whole number as its 32-bit pattern: -2147483648 to 4294967295, nothing
    // else (no spaces, signs on their own, fractions or hexadecimal).
    static std::optional<uint32_t> ParseDword(const QString& text);

private:
    void KeepUnreadableAside() const;

    QString path;
};
