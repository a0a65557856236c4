#pragma once
#include <QString>

class QWidget;

// The program's plain message box: captioned with the application title, no icon, one "OK".
void ShowMessage(const QString& text, QWidget* parent = nullptr);

// The one question the program asks: caption "Confirm", question icon, "&Yes" and "&No".
// True only for "&Yes".
bool AskConfirmation(const QString& text, QWidget* parent = nullptr);
