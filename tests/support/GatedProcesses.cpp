#include "support/GatedProcesses.h"

#include <QCoreApplication>
#include <QDir>
#include <iostream>

namespace {

const char GateVariable[] = "GATED_PROCESS_GATE";
const QByteArray ReadyLine = "gated process ready";
constexpr int TimeoutMs = 60000;

bool waitUntilReady(QProcess &process) {
    QByteArray output;
    while (!output.contains(ReadyLine)) {
        if (!process.waitForReadyRead(TimeoutMs)) return false;
        output += process.readAll();
    }
    return true;
}

} // namespace

GatedProcesses::GatedProcesses(const QString &folder)
    : m_gatePath(QDir(folder).filePath(QStringLiteral("gate"))), m_gate(m_gatePath) {
    m_gate.lock(FileLock::Mode::Exclusive);
}

void GatedProcesses::start(const QString &test, const QHash<QString, QString> &environment) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment values = QProcessEnvironment::systemEnvironment();
    values.insert(GateVariable, m_gatePath);
    for (auto value = environment.begin(); value != environment.end(); ++value)
        values.insert(value.key(), value.value());
    process->setProcessEnvironment(values);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(QCoreApplication::applicationFilePath(),
                   {"--gtest_filter=" + test, "--gtest_also_run_disabled_tests"});
    m_processes.push_back(std::move(process));
}

::testing::AssertionResult GatedProcesses::runAll() {
    for (const auto &process : m_processes)
        if (!waitUntilReady(*process))
            return ::testing::AssertionFailure() << "a process never got ready";
    m_gate.unlock();
    for (const auto &process : m_processes) {
        if (!process->waitForFinished(TimeoutMs) || process->exitCode() != 0)
            return ::testing::AssertionFailure() << process->readAll().toStdString();
    }
    return ::testing::AssertionSuccess();
}

void GatedProcesses::waitAtGate() {
    std::cout << ReadyLine.constData() << std::endl;
    FileLock gate(qEnvironmentVariable(GateVariable));
    gate.lock(FileLock::Mode::Shared);
}
