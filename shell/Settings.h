#pragma once
#include "AnimationTime.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>

enum TWindowState { wsNormal, wsMaximized, wsFullScreen };

// The main window's client area on the desktop and its state.
struct TWindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0; // 0: nothing kept, the window opens as designed
    int Height = 0;
    int State = wsNormal;
};

// The look-and-feel record that every new game's board receives. Colours are kept as
// stored, 0x00BBGGRR.
struct TSettings {
    uint32_t StartColor = 0x00000000;
    uint32_t EndColor = 0x0000FF00;
    bool DrawFrame = true;
    int BackType = 5; // btTile
    int CardBack = 6;
    int AnimateTime = AnimationTime(); // the shared animation time when the record is made
    bool ShowToolbar = true;
    bool FlatButtons = true;
    int AnimateType = 0; // atUniform
    int Background = 4;  // SNOWFLAKES1
    QString BackgroundImage;
    // The table size in per cent (100, 150 or 200), or 0 for fitting it to the window.
    int Zoom = 100;
    int CpuPlayer = 0; // cpClassic or cpStrong, from the next game on
    // A code of Languages, or empty for the system's language. It takes effect at the
    // next start.
    QString Language;
    // Where the main window was left; kept only once it has been shown.
    TWindowPlacement Window;
    // The picture that Background (or BackgroundImage) stands for.
    QImage BackPicture;

    // The record as it is when nothing has been stored.
    static TSettings Defaults();
};

// 0x00BBGGRR as a colour, and back.
QColor ColorFromStored(uint32_t bgr);
uint32_t StoredFromColor(const QColor& color);

// The built-in board picture of Background 1 to 6; a null image for anything else.
QImage BuiltInBackground(int background);
// The same made for `ratio` device pixels per pixel.
QImage BuiltInBackground(int background, qreal ratio);
