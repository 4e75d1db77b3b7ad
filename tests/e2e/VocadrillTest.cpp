#include "DesktopSession.h"
#include "SuitePrograms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

// Vocadrill on its own, installed where the student who runs it may not write.

using namespace SuitePrograms;

namespace {

const char *const Student = "nobody";

} // namespace

TEST(VocadrillTest, InAFolderItMayNotWriteKeepsItsLibraryInTheDataFolder) {
    const passwd *student = ::getpwnam(Student);
    if (::geteuid() != 0 || !student) GTEST_SKIP() << "needs root and the user " << Student;
    DesktopSession session;
    ASSERT_TRUE(session.isReady());

    // Installed by root: the folder is root's, the student may only run the program.
    const QString installed = session.folder() + "/installed";
    ASSERT_TRUE(QDir().mkpath(installed));
    ASSERT_TRUE(QFile::copy(Vocadrill, installed + "/vocadrill"));
    // The student's own data home, temporary and runtime folders.
    const QString home = session.folder() + "/student";
    QProcessEnvironment environment = session.environment();
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("TMPDIR", home + "/tmp");
    environment.insert("XDG_RUNTIME_DIR", home + "/runtime");
    for (const char *folder : {"", "/data", "/tmp", "/runtime"}) {
        ASSERT_TRUE(QDir().mkpath(home + folder));
        ASSERT_EQ(
            ::chown(QFile::encodeName(home + folder).constData(), student->pw_uid, student->pw_gid),
            0);
    }

    ASSERT_NE(
        session.start("runuser", {"-u", Student, "--", installed + "/vocadrill"}, environment),
        nullptr);
    const QString window = session.waitForWindow(DrillTitle);
    ASSERT_FALSE(window.isEmpty()) << "Vocadrill's window did not show";

    const QString dataFolder = home + "/data/Lumenfold";
    EXPECT_TRUE(QFileInfo::exists(dataFolder + '/' + DefaultList));
    EXPECT_FALSE(QFileInfo::exists(installed + "/word"));
    EXPECT_TRUE(openDefaultList(session, window, dataFolder));
}
