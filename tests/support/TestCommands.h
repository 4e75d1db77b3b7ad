#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs an outside program to its end, for tests that check what a tool or a built program does.

struct CommandResult {
    int exitCode = -1; // -1 when the program could not start, crashed or ran out of time
    QByteArray output; // standard output and standard error together
};

CommandResult
runCommand(const QString &program, const QStringList &arguments,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 120000);
