#pragma once
#include "AnimationTime.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>

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
    // The table size in per cent: 100, 150 or 200. It takes effect at the next start.
    int Zoom = 100;
    int CpuPlayer = 0; // cpClassic or cpStrong, from the next game on
    // A code of Languages, or empty for the system's language. It takes effect at the
    // next start.
    QString Language;
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
