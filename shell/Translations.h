#pragma once
#include <QString>
#include <array>
#include <memory>

class QTranslator;

// A language the program speaks besides English: its code and its name in itself.
struct TLanguage {
    const char* Code;
    const char* Name;
};

// In the order the preferences offer them.
extern const std::array<TLanguage, 8> Languages;

// Whether a code is one of those; the empty code (the system's language) is not.
bool IsLanguage(const QString& code);

// The language the program's texts are in, as the last TTranslations::Use made it: a
// code of Languages, empty for English.
QString LanguageInEffect();

// Where the compiled translations are: beside the program (a build tree), else in the
// data folder of the installed tree the program runs from.
QString FindTranslationsFolder(const QString& programDir);

// The program's and Qt's own translations, installed into the application while this
// lives.
class TTranslations {
public:
    explicit TTranslations(QString folder);
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

    // Installs the translations of a language, the system's for an empty code (as Qt
    // reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG). Returns the language now in effect,
    // empty for English, the program's own, which any other language falls back to.
    QString Use(const QString& code);

private:
    void Drop();

    QString folder;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};
