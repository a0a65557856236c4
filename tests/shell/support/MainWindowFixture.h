#pragma once
#include "GameKinds.h"
#include "UMain.h"
#include "ZelmoGame.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Stands in for the desktop's browser and mail program while it lives.
class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    TUrlRecorder()
    {
        for (const char* scheme : Schemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
    }
    ~TUrlRecorder() override
    {
        for (const char* scheme : Schemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    std::vector<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.push_back(url); }

private:
    static constexpr const char* Schemes[] = {"https", "mailto"};
};

// What the fake games of one test did, kept outside them since the window frees them.
struct TFakeGameLog {
    int made = 0, freed = 0;
    std::vector<int> kinds;  // kind of every game made, in order
    std::vector<int> states; // every state run, all games
    int chooseCalls = 0;
};

// A game without rules: it runs whatever state is posted, and ends like a variant when
// a game-over state is posted.
class TFakeGame : public TZelmoGame {
public:
    TFakeGame(QObject* owner, TFakeGameLog& log, int kind) : TZelmoGame(owner), log(log)
    {
        ++log.made;
        log.kinds.push_back(kind);
    }
    ~TFakeGame() override { ++log.freed; }

    void Init(QWidget* parent) override;
    void RunState(int state) override;
    TCard* ChooseCard() override
    {
        ++log.chooseCalls;
        return Suggestion;
    }
    void NewGame() override {}
    void Deal() override {}
    void ArrangePiles() override {}

    // The state that reads a pick and takes it as a move.
    static constexpr int AcceptPick = 51;
    TCard* Suggestion = nullptr; // what ChooseCard answers
    TCard* OnlyCard = nullptr;

private:
    TFakeGameLog& log;
};

// A main window over fake games, with a scripted "End current game?" box.
class MainWindowFixture : public ::testing::Test {
protected:
    // The manual clock makes waits such as the hint's cost no real time.
    void SetUp() override;
    void TearDown() override;

    void MakeWindow(std::vector<int> built);
    void ShowWindow()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Handles every queued message, including those posted while handling.
    static void Pump()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // Chooses a kind and lets the window start it; the new game, or none.
    TFakeGame* Start(int kind)
    {
        lastMade = nullptr;
        window->ChooseGame(kind);
        Pump();
        return lastMade;
    }
    // Whether End game, Hint, Autoplay and Rules are enabled, checking they agree.
    bool CommandsEnabled() const;

    TFakeGameLog log;
    QTemporaryDir storeDir; // the statistics of this test only
    TFakeGame* lastMade = nullptr;
    std::unique_ptr<TFMain> window;
    bool answer = true; // the player's answer to the question
    QString expectedQuestion = QStringLiteral("End current game?");
    int questions = 0;
};
