#include "LanguageWalk.h"


#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

void WalkActions(const QList<QAction*>& actions,
                 const std::function<void(const QString&, QWidget*)>& visit)
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

} // namespace

void WalkTexts(QWidget& root, const std::function<void(const QString&, QWidget*)>& visit)
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

bool Fits(const QString& text, QWidget& control)
{
    if (auto* label = qobject_cast<QLabel*>(&control); label && label->wordWrap())
        return QFontMetrics(label->font())
                   .boundingRect(label->contentsRect(), Qt::TextWordWrap, text)
                   .height() <= label->contentsRect().height();
    const int needed = NeededWidth(text, control);
    // A text that reaches past the control's parent is cut by it, whatever the control's size.
    const bool insideParent = control.isWindow() || control.x() + needed <= control.parentWidget()->width();
    return needed <= control.width() && insideParent;
}
