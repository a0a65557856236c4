#pragma once
#include <QString>
#include <QWidget>
#include <functional>

// Calls back with every text a window and its children show: captions, labels, buttons,
// group titles, tabs, list, tree and table items, combo items, menus, tooltips and status
// tips. The widget is the control that shows the text, for measuring; null when none.
void WalkTexts(QWidget& root, const std::function<void(const QString& text, QWidget* control)>& visit);

// Whether a text as shown fits its control, measured with the control's font.
bool Fits(const QString& text, QWidget& control);
// The width a control needs to show a text whole: the text and the control's own parts.
int NeededWidth(const QString& text, QWidget& control);
