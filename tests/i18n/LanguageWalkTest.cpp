// Every window, dialog, menu, tooltip and status text in other languages: under a
// pseudo-translation made at build time each must come marked (so none bypasses
// translation, and each source is in the translation files); in every real language each
// must fit its control and run into no other.
#include "About.h"
#include "Artifacts.h"
#include "Artwork.h"
#include "Chooser.h"
#include "Help.h"
#include "HelpWindow.h"
#include "HoverImage.h"
#include "Prefs.h"
#include "ProgramGames.h"
#include "Statistics.h"
#include "Translations.h"
#include "VariantGame.h"
#include "support/ProgramWindow.h"

#include <QTranslator>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

// The control that shows a text, for measuring; null when none.
using TVisit = std::function<void(const QString& text, QWidget* control)>;

void WalkActions(const QList<QAction*>& actions, const TVisit& visit)
{
    for (QAction* action : actions) {
        for (const QString& text : {action->text(), action->statusTip(), action->toolTip()})
            visit(text, nullptr);
        if (action->menu()) {
            visit(action->menu()->title(), nullptr);
            WalkActions(action->menu()->actions(), visit);
        }
    }
}

// Calls back with every text a window and its children show: captions, labels, buttons,
// group titles, tabs, list, tree and table items, combo items, menus, tooltips and status
// tips.
void WalkTexts(QWidget& root, const TVisit& visit)
{
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    visit(root.windowTitle(), nullptr);
    for (QWidget* w : widgets) {
        for (const QString& text : {w->toolTip(), w->statusTip(), w->accessibleName()})
            visit(text, nullptr);
        WalkActions(w->actions(), visit);
        if (auto* label = qobject_cast<QLabel*>(w))
            visit(label->text(), label);
        else if (auto* tool = qobject_cast<QToolButton*>(w))
            visit(tool->text(), tool->toolButtonStyle() == Qt::ToolButtonIconOnly ? nullptr : tool);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            visit(button->text(), button);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            visit(group->title(), group);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                visit(combo->itemText(i), combo);
        else if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                visit(tabs->tabText(i), nullptr);
        else if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                visit(list->item(i)->text(), list);
        else if (auto* tree = qobject_cast<QTreeWidget*>(w))
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                visit((*it)->text(0), nullptr);
        else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                visit(table->horizontalHeaderItem(c)->text(), nullptr);
            for (int r = 0; r < table->rowCount(); ++r)
                visit(table->verticalHeaderItem(r)->text(), nullptr);
        }
    }
}

// The width a control needs to show a text whole: the text and the control's own parts.
int NeededWidth(const QString& text, QWidget& control)
{
    const int width = QFontMetrics(control.font()).horizontalAdvance(QString(text).remove(u'&'));
    // A check or radio box: its indicator, the space after it, the caption.
    const QStyle& style = *control.style();
    if (qobject_cast<QCheckBox*>(&control))
        return style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &control) +
               style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &control) + width;
    if (qobject_cast<QRadioButton*>(&control))
        return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &control) +
               style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &control) + width;
    if (auto* label = qobject_cast<QLabel*>(&control))
        return width + label->width() - label->contentsRect().width();
    if (qobject_cast<QGroupBox*>(&control))
        return width + 12;
    // A combo's arrow, a list's or a button's frame.
    return width + (qobject_cast<QComboBox*>(&control) ? 24 : 8);
}

// Whether a text as shown fits its control, measured with the control's font.
bool Fits(const QString& text, QWidget& control)
{
    if (auto* label = qobject_cast<QLabel*>(&control); label && label->wordWrap())
        return QFontMetrics(label->font())
                   .boundingRect(label->contentsRect(), Qt::TextWordWrap, text)
                   .height() <= label->contentsRect().height();
    const int needed = NeededWidth(text, control);
    // A text that reaches past the control's parent is cut by it, whatever the control's size.
    const bool insideParent =
        control.isWindow() || control.x() + needed <= control.parentWidget()->width();
    return needed <= control.width() && insideParent;
}

// What the program shows with the translations installed now.
struct TWindows {
    QTemporaryDir dir;
    TFMain main{ProgramGames()};
    TFPrefs prefs{main, TSettingsStore(dir.filePath("settings.conf")), [](const QString&) {}};
    TFAbout about{&main};
    TFGameOver gameOver{&main};

    template <typename F> void Walk(F visit)
    {
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &main, &prefs, &about, &gameOver, &main.StatisticsDialog()})
            WalkTexts(*window, visit);
        for (int result = 0; result < 3; ++result) {
            visit(TFGameOver::ResultText(result), nullptr);
            for (int n = 1; n <= 4; ++n)
                visit(TFGameOver::Slogan(result, n), nullptr);
        }
        for (const QString& text : VariantStatusTexts())
            visit(TVariantGame::tr(text.toUtf8().constData()), nullptr);
    }
};

// Texts no translation of ours changes: the languages' own names, the logo, addresses,
// numbers, and the tab bar's scroll buttons, which Qt's own translations name.
bool Untranslated(const QString& text)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!text.contains(letter) || text == QLatin1String("ZELMO") || text.contains(u'@') ||
        text.startsWith(QLatin1String("https://")) || text.startsWith(QLatin1String("Scroll ")))
        return true;
    return std::any_of(Languages.begin(), Languages.end(), [&text](const TLanguage& language) {
        return text == QString::fromUtf8(language.Name);
    });
}

// A text not through translation, or missing from the translation files, comes unmarked.
TEST(LanguageWalk, UnderThePseudoTranslationEveryTextIsMarked)
{
    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(QStringLiteral(ZELMO_PSEUDO_QM)));
    QCoreApplication::installTranslator(&pseudo);
    TWindows windows;
    int walked = 0;
    windows.Walk([&walked](const QString& text, QWidget*) {
        if (text.isEmpty() || Untranslated(text))
            return;
        ++walked;
        EXPECT_TRUE(text.startsWith(u'\u27e6') && text.endsWith(u'\u27e7'))
            << "not through translation: " << text.toStdString();
    });
    EXPECT_GT(walked, 150);
    QCoreApplication::removeTranslator(&pseudo);
}

class RealLanguage : public ::testing::TestWithParam<QString> {};

// Side by side in one parent, the texts as wide as shown must not run into each other.
void ExpectNoTextOverlapsASibling(const QHash<QWidget*, int>& shownWidth)
{
    const auto shownRect = [&](QWidget* control) {
        return QRect(control->pos(), QSize(shownWidth[control], control->height()));
    };
    for (auto a = shownWidth.keyBegin(); a != shownWidth.keyEnd(); ++a)
        for (auto b = shownWidth.keyBegin(); b != a; ++b)
            if (!(*a)->isWindow() && (*a)->parentWidget() == (*b)->parentWidget() &&
                !(*a)->isHidden() && !(*b)->isHidden())
                EXPECT_FALSE(shownRect(*a).intersects(shownRect(*b)))
                    << (*a)->metaObject()->className() << " at " << (*a)->x() << "," << (*a)->y()
                    << " runs into " << (*b)->metaObject()->className() << " at " << (*b)->x()
                    << "," << (*b)->y();
}

TEST_P(RealLanguage, EveryTextFitsItsControl)
{
    TTranslations translations(QStringLiteral(ZELMO_TRANSLATIONS_DIR));
    ASSERT_EQ(translations.Use(GetParam()), GetParam()) << "no compiled translation";
    TWindows windows;
    for (QWidget* window : {static_cast<QWidget*>(&windows.main), static_cast<QWidget*>(&windows.prefs)})
        window->show();
    QCoreApplication::processEvents();
    QHash<QWidget*, int> shownWidth; // the widest text each control shows
    windows.Walk([&](const QString& text, QWidget* control) {
        if (!control || text.isEmpty())
            return;
        EXPECT_TRUE(Fits(text, *control))
            << control->metaObject()->className() << " " << control->objectName().toStdString()
            << " cuts \"" << text.toStdString() << "\" (" << control->width() << " px)";
        shownWidth[control] = std::max(shownWidth.value(control), NeededWidth(text, *control));
    });
    ExpectNoTextOverlapsASibling(shownWidth);
    // The chooser's name labels spell the kinds' names in the language, at the English size.
    for (int kind = 0; kind < TChooser::KindCount; ++kind) {
        const QImage english = LoadArtwork(
            QStringLiteral(":/chooser/LABEL_%1.png").arg(TGameKinds::Name(kind).toUpper()),
            windows.main.devicePixelRatioF());
        const QImage shown = windows.main.Chooser().NameLabel(kind)->Picture().toImage();
        EXPECT_EQ(shown.deviceIndependentSize(), english.deviceIndependentSize());
        EXPECT_NE(shown.convertToFormat(english.format()), english) << "English on the chooser";
    }
    // Qt's own dialogs, the colour and file dialogs of the backgrounds page, come along.
    for (const auto& [context, source] : {std::pair{"QColorDialog", "&Basic colors"},
                                          std::pair{"QFileDialog", "Look in:"}})
        EXPECT_NE(QCoreApplication::translate(context, source), QLatin1String(source));
    const auto save = [this](QWidget& window, const QString& name) {
        window.show();
        QCoreApplication::processEvents();
        SaveArtifact(window.grab().toImage(), GetParam() + name);
    };
    save(windows.main, "-chooser.png");
    for (int page = 0; page < windows.prefs.Pages->count(); ++page) {
        windows.prefs.Pages->setCurrentIndex(page);
        save(windows.prefs, QStringLiteral("-prefs-%1.png").arg(page + 1));
    }
    save(windows.main.StatisticsDialog(), "-statistics.png");
    save(windows.about, "-about.png");
    THtmlHelp help(FindHelpFile(QStringLiteral(ZELMO_BINARY_DIR), GetParam()));
    ASSERT_TRUE(help.ShowPage(QStringLiteral("mover.html")));
    save(*help.Window(), "-help-rules.png");
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, RealLanguage,
                         ::testing::ValuesIn(QString(ZELMO_LANGUAGES).split(u' ')),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace
