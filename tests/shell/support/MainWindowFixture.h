#pragma once
#include "FakeGame.h"
#include "UMain.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A main window over fake games, with a scripted "End current game?" box.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { MakeWindow({0, 1, 2}); }
    void TearDown() override;

    void MakeWindow(std::vector<int> built);
    // Handles every queued message, including those posted while handling.
    static void Pump();
    // Chooses a kind and lets the window start it; the new game, or none.
    TFakeGame* Start(int kind);
    QString StatusText() const;
    bool CommandsEnabled() const;

    TFakeGameLog log;
    TFakeGame* lastMade = nullptr;
    std::unique_ptr<TFMain> window;
    bool answer = true; // the player's answer to "End current game?"
    int questions = 0;
};
