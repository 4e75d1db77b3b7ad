#include "support/TestCommands.h"

#include <QProcess>

CommandResult runCommand(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    CommandResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.output = process.readAll();
        return result;
    }
    result.output = process.readAll();
    if (process.exitStatus() == QProcess::NormalExit) result.exitCode = process.exitCode();
    return result;
}
