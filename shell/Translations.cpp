#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>

namespace {

const QString FilePrefix = QStringLiteral("christmas-zelmo");
const QString TranslationsName = QStringLiteral("translations");

QString& InEffect()
{
    static QString language;
    return language;
}

std::unique_ptr<QTranslator> Installed(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

const std::array<TLanguage, 8> Languages{{
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
    {"it", "Italiano"},
    {"pl", "Polski"},
    {"ru", "Русский"},
    {"pt_BR", "Português (Brasil)"},
    {"nl", "Nederlands"},
}};

bool IsLanguage(const QString& code)
{
    return std::any_of(Languages.begin(), Languages.end(), [&code](const TLanguage& language) {
        return code == QLatin1String(language.Code);
    });
}

QString LanguageInEffect() { return InEffect(); }

QString FindTranslationsFolder(const QString& programDir)
{
    const QString beside = QDir(programDir).filePath(TranslationsName);
    const QString installed = QDir::cleanPath(
        QDir(programDir).filePath(QStringLiteral(ZELMO_DATA_FROM_BIN "/") + TranslationsName));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

TTranslations::TTranslations(QString translationsFolder) : folder(std::move(translationsFolder)) {}

TTranslations::~TTranslations() { Drop(); }

void TTranslations::Drop()
{
    for (auto* translator : {&qt, &program})
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
}

QString TTranslations::Use(const QString& code)
{
    Drop();
    InEffect().clear();
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    auto programFile = std::make_unique<QTranslator>();
    // Tries each of the locale's languages in turn, "pt_BR" before "pt".
    if (!programFile->load(locale, FilePrefix, QStringLiteral("_"), folder))
        return {};
    const QString language = programFile->language();
    program = Installed(std::move(programFile));
    InEffect() = language;
    auto qtFile = std::make_unique<QTranslator>();
    if (qtFile->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt = Installed(std::move(qtFile));
    return language;
}
