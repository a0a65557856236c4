#pragma once
// zelmo-sim run as a program: its exit status, its output lines and its trace.
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct TSimRun {
    int ExitCode = -1;
    QStringList Out;
    QString Errors;
    QStringList Trace;
};

inline TSimRun RunSim(const QStringList& args)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("trace.jsonl");
    QProcess sim;
    sim.start(ZELMO_SIM, args + QStringList{"--trace", path});
    EXPECT_TRUE(sim.waitForFinished(600000));
    TSimRun run;
    run.ExitCode = sim.exitCode();
    run.Out = QString::fromUtf8(sim.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.Errors = QString::fromUtf8(sim.readAllStandardError());
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        run.Trace = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    return run;
}

// The arguments of a run of so many games of the variant from the seed.
inline QStringList Games(const QString& variant, int games, const QString& seed)
{
    return {"--variant", variant, "--games", QString::number(games), "--seed", seed};
}
