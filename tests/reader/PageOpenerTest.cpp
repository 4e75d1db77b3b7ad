#include "reader/PageOpener.h"

#include "support/ScopedEnvironment.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A desktop that takes every page and keeps the failure report for the test to give.
struct FakeDesktop {
    QList<QUrl> pages;
    std::function<void()> fail;

    PageOpener::DesktopOpen open() {
        return [this](const QUrl &page, std::function<void()> failed) {
            pages << page;
            fail = std::move(failed);
        };
    }
};

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

TEST(PageOpener, PageTheDesktopTakesOpensNoViewer) {
    QWidget owner;
    FakeDesktop desktop;
    PageOpener opener(&owner, desktop.open());
    opener.open(QUrl::fromLocalFile("/tmp/lumenfold-1/examvault-help.htm"));
    EXPECT_EQ(desktop.pages,
              QList<QUrl>{QUrl::fromLocalFile("/tmp/lumenfold-1/examvault-help.htm")});
    EXPECT_EQ(opener.viewer(), nullptr);
}

TEST(PageOpener, PageTheDesktopFailsOnOpensInTheViewerLater) {
    QWidget owner;
    FakeDesktop desktop;
    PageOpener opener(&owner, desktop.open());
    QTemporaryDir dir;
    const QString page = dir.filePath("help.htm");
    writeFile(page, "<html><head><title>帮助</title></head><body>正文</body></html>");
    opener.open(QUrl::fromLocalFile(page));
    ASSERT_TRUE(desktop.fail);
    desktop.fail(); // the desktop's opener ended with an error
    ASSERT_NE(opener.viewer(), nullptr);
    EXPECT_TRUE(opener.viewer()->isVisible());
    EXPECT_TRUE(opener.viewer()->isWindow());
    EXPECT_EQ(opener.viewer()->windowTitle(), "帮助");
    EXPECT_EQ(opener.viewer()->toPlainText(), "正文");

    desktop.fail(); // a second page reuses the one viewer
    EXPECT_EQ(owner.findChildren<QTextBrowser *>().size(), 1);
}

TEST(PageOpener, ResourcePageGoesStraightToTheViewer) {
    QWidget owner;
    FakeDesktop desktop;
    PageOpener opener(&owner, desktop.open());
    opener.open(QUrl("qrc:/reader/about.htm"));
    EXPECT_TRUE(desktop.pages.isEmpty());
    ASSERT_NE(opener.viewer(), nullptr);
    EXPECT_TRUE(opener.viewer()->toPlainText().contains("Examvault"));
}

TEST(PageOpener, DesktopOpenerReportsAMissingOrFailingXdgOpen) {
    EXPECT_TRUE(desktopFails({}));
    EXPECT_TRUE(desktopFails("#!/bin/sh\nexit 3\n")); // no handler for the page
}
