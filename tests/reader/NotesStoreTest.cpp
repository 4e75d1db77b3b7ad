#include "reader/NotesStore.h"

#include "ReaderFixture.h"
#include "reader/PaperCatalog.h"
#include "support/GatedProcesses.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString Key1998Part5 = QStringLiteral("1998年试题Part5");
const QString Key2004Part2 = QStringLiteral("2004年试题Part2");

// What the saver processes below write: each key's note of each round.
constexpr int SaverRounds = 3;
QString noteFor(const QString &key, int round) {
    return QStringLiteral("{\\rtf1 %1 round %2}").arg(key).arg(round);
}

class NotesStoreTest : public ::testing::Test {
protected:
    NotesStoreTest() { fixture.writeNotesStore(PaperCatalog::allKeys()); }

    NotesStore store() const { return NotesStore(fixture.files.notesStoreConnection()); }

    ReaderFixture fixture;
};

// A second reader, started by TwoReadersSavingAtOnceLoseNoNote: waits at the gate, then saves
// every key it was given, round after round.
TEST(NotesStoreSaver, DISABLED_SavesAsAnotherReader) {
    const QString connection = qEnvironmentVariable("NOTES_SAVER_STORE");
    if (connection.isEmpty()) GTEST_SKIP() << "run by TwoReadersSavingAtOnceLoseNoNote";
    GatedProcesses::waitAtGate();
    const NotesStore notes(connection);
    const QStringList keys = qEnvironmentVariable("NOTES_SAVER_KEYS").split(',');
    for (int round = 1; round <= SaverRounds; ++round)
        for (const QString &key : keys)
            ASSERT_TRUE(notes.save(key, noteFor(key, round)));
}

} // namespace

TEST_F(NotesStoreTest, SaveReplacesOneNoteAndNeedsItsRowAndStore) {
    const std::optional<QString> hint = store().load(Key2004Part2);
    EXPECT_TRUE(store().save(Key1998Part5, "{\\rtf1 mine}"));
    EXPECT_EQ(store().load(Key1998Part5), QString("{\\rtf1 mine}"));
    EXPECT_EQ(store().load(Key2004Part2), hint);

    EXPECT_FALSE(store().save("2011年试题Part1", "{\\rtf1 lost}"));
    EXPECT_EQ(store().load("2011年试题Part1"), std::nullopt);

    ASSERT_TRUE(QFile::remove(fixture.files.notesStorePath()));
    EXPECT_FALSE(store().save(Key1998Part5, "{\\rtf1 lost}"));
    EXPECT_EQ(store().load(Key1998Part5), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(fixture.files.notesStorePath()));
}

// Each reader saves its own parts, both at once; without the lock between them, a save would
// write back a store read before the other's save and undo it.
TEST_F(NotesStoreTest, TwoReadersSavingAtOnceLoseNoNote) {
    const QStringList keys = PaperCatalog::allKeys();
    QStringList firstKeys, secondKeys;
    for (qsizetype i = 0; i < keys.size(); ++i)
        (i % 2 ? secondKeys : firstKeys) << keys[i];
    GatedProcesses savers(fixture.home.path());
    for (const QStringList &saverKeys : {firstKeys, secondKeys})
        savers.start("NotesStoreSaver.DISABLED_SavesAsAnotherReader",
                     {{"NOTES_SAVER_STORE", fixture.files.notesStoreConnection()},
                      {"NOTES_SAVER_KEYS", saverKeys.join(',')}});
    ASSERT_TRUE(savers.runAll()); // both save at once

    for (const QString &key : keys)
        EXPECT_EQ(store().load(key), noteFor(key, SaverRounds)) << key.toStdString();
}

TEST_F(NotesStoreTest, SetUpMovesADamagedStoreAsideBeforeWritingAFreshOne) {
    QByteArray store = readFile(fixture.files.notesStorePath());
    store[store.size() / 2] = char(store[store.size() / 2] ^ 0x01); // fails authentication
    writeFile(fixture.files.notesStorePath(), store);
    const auto writeFresh = [this](const QString &path) {
        fixture.writeNotesStore({Key1998Part5});
        return path == fixture.files.notesStorePath();
    };

    const QString movedTo =
        this->store().setUp(writeFresh, QDateTime(QDate(2024, 3, 5), QTime(14, 7, 2)));
    EXPECT_EQ(movedTo, fixture.files.notesStorePath() + ".damaged-20240305-140702");
    EXPECT_EQ(readFile(movedTo), store);
    EXPECT_TRUE(this->store().save(Key1998Part5, "{\\rtf1 kept}"));
}

TEST_F(NotesStoreTest, SetUpKeepsADamagedStoreInPlaceWhenNoFreshOneCanBeWritten) {
    QByteArray store = readFile(fixture.files.notesStorePath());
    store[store.size() / 2] = char(store[store.size() / 2] ^ 0x01);
    writeFile(fixture.files.notesStorePath(), store);

    const QString movedTo = this->store().setUp([](const QString &) { return false; },
                                                QDateTime(QDate(2024, 3, 5), QTime(14, 7, 2)));
    EXPECT_EQ(movedTo, QString());
    EXPECT_EQ(readFile(fixture.files.notesStorePath()), store);
    EXPECT_FALSE(QFileInfo::exists(fixture.files.notesStorePath() + ".damaged-20240305-140702"));
}
