#pragma once

#include "platform/FileLock.h"

#include <QHash>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Runs disabled tests of this test program in processes of their own, the way two programs run
// beside each other: each says it is ready and waits at a gate, which the test opens for all of
// them at once. A started test reads what to do from its environment.
class GatedProcesses {
public:
    // The gate is a lock file in folder, held closed until runAll().
    explicit GatedProcesses(const QString &folder);

    // Starts the test named test ("Suite.DISABLED_Name") with the environment values added.
    void start(const QString &test, const QHash<QString, QString> &environment);

    // Waits until every started test is ready, opens the gate and waits until all have ended;
    // fails with a process's output when one failed or did not end in time.
    ::testing::AssertionResult runAll();

    // In a started test: says it is ready, then waits until the gate opens.
    static void waitAtGate();

private:
    QString m_gatePath;
    FileLock m_gate;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};
