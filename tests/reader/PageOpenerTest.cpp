#include "reader/PageOpener.h"

#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs the desktop's opener with the given xdg-open on the PATH; true when it reported a
// failure.
bool desktopFails(const QString &xdgOpenScript) {
    QTemporaryDir bin;
    if (!xdgOpenScript.isEmpty()) {
        writeFile(bin.filePath("xdg-open"), xdgOpenScript.toUtf8());
        QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    }
    const ScopedEnvironment path("PATH", bin.path());
    bool failed = false;
    PageOpener::openWithDesktop(QUrl::fromLocalFile(bin.filePath("page.htm")),
                                [&failed] { failed = true; });
    // Events of the opener's process, until it reports; the deadline only stops a test whose
    // report never comes.
    const QDeadlineTimer deadline(30000);
    QTimer wake;
    wake.start(100);
    while (!failed && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return failed;
}

} // namespace

TEST(PageOpener, DesktopOpenerReportsAMissingOrFailingXdgOpen) {
    EXPECT_TRUE(desktopFails({}));
    EXPECT_TRUE(desktopFails("#!/bin/sh\nexit 3\n")); // no handler for the page
}
