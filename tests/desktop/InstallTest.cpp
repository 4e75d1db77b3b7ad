#include "support/TestCommands.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// What `cmake --install` gives a desktop: the program on the PATH, a menu entry, icons in the
// hicolor theme and a software-centre description, in a temporary prefix.

namespace {

const QString AppId = QStringLiteral("org.lumenfold.Examvault");

class InstallTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(prefix.isValid());
        const CommandResult install =
            runCommand(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", prefix.path()});
        ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    }

    QString installed(const QString &path) const { return prefix.filePath(path); }

    // The value of key in the installed desktop entry, as a desktop reads it.
    QString desktopEntryValue(const QString &key) const {
        const QByteArray entry = readFile(installed("share/applications/" + AppId + ".desktop"));
        for (const QByteArray &line : entry.split('\n'))
            if (line.startsWith(key.toUtf8() + '='))
                return QString::fromUtf8(line.mid(key.size() + 1));
        return {};
    }

    QTemporaryDir prefix;
};

} // namespace

TEST_F(InstallTest, ExamvaultAloneGoesUnderBin) {
    const QString program = installed("bin/examvault");
    EXPECT_TRUE(QFileInfo(program).isExecutable());
    EXPECT_EQ(readFile(program), readFile(QString(BUILD_DIR) + "/bin/examvault"));
    EXPECT_FALSE(QFileInfo::exists(installed("bin/vocadrill")));
}

TEST_F(InstallTest, MenuEntryStartsExamvaultWithItsIcon) {
    EXPECT_EQ(desktopEntryValue("Exec"), "examvault");
    EXPECT_EQ(desktopEntryValue("Icon"), AppId);
    EXPECT_EQ(desktopEntryValue("Name"), "Examvault");
}

TEST_F(InstallTest, IconsComeInTheUsualSizesAndScalable) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("share/icons/hicolor/%1x%1/apps/").arg(size);
        const QImage icon(installed(folder + AppId + ".png"));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        // A rounded tile: see-through corners, an opaque middle.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
    EXPECT_TRUE(readFile(installed("share/icons/hicolor/scalable/apps/" + AppId + ".svg"))
                    .contains("<svg"));
}

TEST_F(InstallTest, EntryAndDescriptionPassTheFreedesktopValidators) {
    const CommandResult entry = runCommand("desktop-file-validate",
                                           {installed("share/applications/" + AppId + ".desktop")});
    EXPECT_EQ(entry.exitCode, 0) << entry.output.toStdString();
    EXPECT_TRUE(entry.output.isEmpty()) << entry.output.toStdString();

    // The whole tree: the description, the entry it launches and the icons together.
    const CommandResult tree =
        runCommand("appstreamcli", {"validate-tree", "--no-net", prefix.path()});
    EXPECT_EQ(tree.exitCode, 0) << tree.output.toStdString();
    EXPECT_TRUE(tree.output.contains(AppId.toUtf8() + ".metainfo.xml"))
        << tree.output.toStdString();
}
