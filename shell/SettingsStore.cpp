#include "SettingsStore.h"

#include "Board.h"
#include "PictureLoader.h"
#include "Translations.h"
#include "TableSize.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

const QString AppStoreName = QStringLiteral("Christmas Zelmo");

// A value that is not there is not an error: it keeps its default.
enum class TRead { Missing, Read, WrongType };

TRead ReadDword(const QSettings& store, const QString& name, uint32_t& out)
{
    if (!store.contains(name))
        return TRead::Missing;
    const QVariant value = store.value(name);
    std::optional<uint32_t> parsed;
    switch (value.typeId()) {
    case QMetaType::QString: // as read from the file
        parsed = TSettingsStore::ParseDword(value.toString());
        break;
    case QMetaType::Int: // as written by this process, still in the store's cache
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        parsed = TSettingsStore::ParseDword(QString::number(value.toLongLong()));
        break;
    default:
        break;
    }
    if (!parsed)
        return TRead::WrongType;
    out = *parsed;
    return TRead::Read;
}

int InRange(uint32_t stored, int low, int high, int otherwise)
{
    const auto v = int32_t(stored); // a negative value counts as too large
    return v >= low && v <= high ? v : otherwise;
}

// Larger than any screen: a stored size is brought onto the screen when it is restored.
constexpr int MaxWindowSide = 65535;

int ValidZoom(uint32_t stored)
{
    return stored == 150 || stored == 200 || stored == FitToWindow ? int(stored) : 100;
}

const QString ZoomName = QStringLiteral("Zoom");
const QString LanguageName = QStringLiteral("Language");

// The reader parses a file once per process and caches it by name: only the first look
// sees it broken. A copy under a new name is parsed afresh.
bool Unparsable(const QString& path)
{
    const QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("store.conf"));
    if (!scratch.isValid() || !QFile::copy(path, copy))
        return false;
    QSettings store(copy, QSettings::IniFormat);
    store.allKeys();
    return store.status() == QSettings::FormatError;
}

} // namespace

TSettingsStore::TSettingsStore()
    : path(QSettings(QSettings::NativeFormat, QSettings::UserScope, AppStoreName).fileName())
{
}

std::optional<uint32_t> TSettingsStore::ParseDword(const QString& text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    uint64_t magnitude = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + uint64_t(c.unicode() - u'0');
    }
    if (negative ? magnitude > 2147483648ULL : magnitude > 4294967295ULL)
        return std::nullopt;
    return uint32_t(negative ? 0 - magnitude : magnitude);
}

TSettingsStore::TLoadReport TSettingsStore::Load(TSettings& s) const
{
    QSettings store(path, QSettings::IniFormat);
    using TApply = std::function<void(uint32_t)>;
    const std::pair<const char*, TApply> values[] = {
        {"StartColor", [&](uint32_t v) { s.StartColor = v; }},
        {"EndColor", [&](uint32_t v) { s.EndColor = v; }},
        {"DrawFrame", [&](uint32_t v) { s.DrawFrame = v != 0; }},
        {"BackType", [&](uint32_t v) { s.BackType = InRange(v, 0, 7, 0); }},
        {"CardBack", [&](uint32_t v) { s.CardBack = InRange(v, 0, 13, 0); }},
        {"AnimateTime",
         [&](uint32_t v) {
             s.AnimateTime = InRange(v, 10, 1000, AnimationTime());
             SetAnimationTime(s.AnimateTime);
         }},
        {"ShowToolbar", [&](uint32_t v) { s.ShowToolbar = v != 0; }},
        {"FlatButtons", [&](uint32_t v) { s.FlatButtons = v != 0; }},
        {"AnimateType", [&](uint32_t v) { s.AnimateType = InRange(v, 0, 4, 0); }},
        {"Background", [&](uint32_t v) { s.Background = InRange(v, 0, 6, 4); }},
        {"Zoom", [&](uint32_t v) { s.Zoom = ValidZoom(v); }},
        {"CpuPlayer", [&](uint32_t v) { s.CpuPlayer = InRange(v, 0, 1, 0); }},
        {"WindowLeft", [&](uint32_t v) { s.Window.Left = int32_t(v); }},
        {"WindowTop", [&](uint32_t v) { s.Window.Top = int32_t(v); }},
        {"WindowWidth", [&](uint32_t v) { s.Window.Width = InRange(v, 0, MaxWindowSide, 0); }},
        {"WindowHeight", [&](uint32_t v) { s.Window.Height = InRange(v, 0, MaxWindowSide, 0); }},
        {"WindowState",
         [&](uint32_t v) { s.Window.State = InRange(v, wsNormal, wsFullScreen, wsNormal); }},
    };
    TLoadReport report;
    for (const auto& [name, apply] : values) {
        uint32_t stored = 0;
        const TRead read = ReadDword(store, QString::fromLatin1(name), stored);
        if (report.WrongType) {
            if (read != TRead::Missing)
                report.Unread << QString::fromLatin1(name);
            continue;
        }
        if (read == TRead::WrongType) {
            report.WrongType = QString::fromLatin1(name);
            continue;
        }
        if (read == TRead::Read) {
            apply(stored);
            report.Read << QString::fromLatin1(name);
        }
    }
    if (!report.WrongType && s.Background == 0) {
        const QVariant image = store.value(QStringLiteral("BackgroundImage"));
        s.BackgroundImage = image.typeId() == QMetaType::QString ? image.toString() : QString();
        const auto picture = PictureLoader::Load(s.BackgroundImage);
        if (picture)
            s.BackPicture = *picture;
        else
            s.Background = 4; // missing or unreadable: the default picture
    }
    if (s.Background != 0)
        s.BackPicture = BuiltInBackground(s.Background);
    s.Language = StoredLanguage();
    return report;
}

int TSettingsStore::StoredZoom() const
{
    uint32_t stored = 0;
    return ReadDword(QSettings(path, QSettings::IniFormat), ZoomName, stored) == TRead::Read
               ? ValidZoom(stored)
               : 100;
}

QString TSettingsStore::StoredLanguage() const
{
    const QVariant stored = QSettings(path, QSettings::IniFormat).value(LanguageName);
    const QString code = stored.typeId() == QMetaType::QString ? stored.toString() : QString();
    return IsLanguage(code) ? code : QString();
}

TSettingsStore::TValues TSettingsStore::Values(const TSettings& s)
{
    TValues values = {
        {QStringLiteral("StartColor"), s.StartColor},
        {QStringLiteral("EndColor"), s.EndColor},
        {QStringLiteral("DrawFrame"), s.DrawFrame ? 1 : 0},
        {QStringLiteral("BackType"), s.BackType},
        {QStringLiteral("CardBack"), s.CardBack},
        {QStringLiteral("AnimateTime"), s.AnimateTime},
        {QStringLiteral("ShowToolbar"), s.ShowToolbar ? 1 : 0},
        {QStringLiteral("FlatButtons"), s.FlatButtons ? 1 : 0},
        {QStringLiteral("AnimateType"), s.AnimateType},
        {ZoomName, s.Zoom},
        {QStringLiteral("CpuPlayer"), s.CpuPlayer},
        {LanguageName, s.Language},
    };
    if (s.Window.Width > 0 && s.Window.Height > 0) {
        values.emplace_back(QStringLiteral("WindowLeft"), s.Window.Left);
        values.emplace_back(QStringLiteral("WindowTop"), s.Window.Top);
        values.emplace_back(QStringLiteral("WindowWidth"), s.Window.Width);
        values.emplace_back(QStringLiteral("WindowHeight"), s.Window.Height);
        values.emplace_back(QStringLiteral("WindowState"), s.Window.State);
    }
    if (s.BackType >= btTile) {
        values.emplace_back(QStringLiteral("Background"), s.Background);
        if (s.Background == 0)
            values.emplace_back(QStringLiteral("BackgroundImage"), s.BackgroundImage);
    }
    return values;
}

bool TSettingsStore::Save(const TSettings& s, const QStringList& keep) const
{
    KeepUnreadableAside();
    QSettings store(path, QSettings::IniFormat);
    for (const auto& [name, value] : Values(s))
        if (!keep.contains(name))
            store.setValue(name, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

// The settings reader rewrites a file it cannot parse from the little it made of it, and
// then reports failure although it wrote: the old bytes are kept, and the new file
// starts clean.
void TSettingsStore::KeepUnreadableAside() const
{
    if (!Unparsable(path))
        return;
    QFile::remove(UnreadableCopy());
    if (!QFile::rename(path, UnreadableCopy()))
        std::fprintf(stderr, "christmas-zelmo: could not keep the unreadable %s aside\n",
                     qPrintable(path));
}
