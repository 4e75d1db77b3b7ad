#include "vocab/player/PlayerControls.h"

#include <gtest/gtest.h>

namespace {

// The controls in field order, 1 for enabled: play, stop, back, forward, Check1, Check2,
// Text1/Text2, Combo1, Command2, Command1, Command3, list commands.
std::string row(const PlayerControls &c) {
    std::string bits;
    for (bool on : {c.play, c.stop, c.back, c.forward, c.newWordsOnly, c.newWordMark, c.range,
                    c.speed, c.record, c.stopRecording, c.save, c.listCommands})
        bits += on ? '1' : '0';
    return bits;
}

// Every control enabled, or every one disabled, so that a row shows what it leaves alone.
PlayerControls all(bool enabled) {
    PlayerControls c;
    c.play = c.stop = c.back = c.forward = c.newWordsOnly = c.newWordMark = c.range = c.speed =
        c.record = c.stopRecording = c.save = c.listCommands = enabled;
    return c;
}

using Event = void (PlayerControls::*)();

// Each event's row, applied once to all-enabled and once to all-disabled controls.
TEST(PlayerControls, EachEventSetsItsRowAndLeavesTheRestAsTheyAre) {
    EXPECT_EQ(row(PlayerControls()), "000000010000"); // before the first list: the speed box
    const struct {
        const char *name;
        Event event;
        const char *fromEnabled;
        const char *fromDisabled;
    } rows[] = {
        {"listOpened", &PlayerControls::listOpened, "101111111011", "101111111011"},
        {"collectionClicked", &PlayerControls::collectionClicked, "111111011111", "000000000000"},
        {"drillStarted", &PlayerControls::drillStarted, "010001011111", "010000000000"},
        {"drillEnded", &PlayerControls::drillEnded, "101111111111", "101110100000"},
        {"recordingStarted", &PlayerControls::recordingStarted, "000000000100", "000000000100"},
        {"recordingEnded", &PlayerControls::recordingEnded, "101111111011", "101111111011"},
        {"saveStarted", &PlayerControls::saveStarted, "111111110101", "000000000000"},
        {"saveCompleted", &PlayerControls::saveCompleted, "111111111111", "000000001000"},
        {"saveFailed", &PlayerControls::saveFailed, "111111111111", "000000001010"},
    };
    for (const auto &expected : rows) {
        SCOPED_TRACE(expected.name);
        PlayerControls enabled = all(true);
        PlayerControls disabled = all(false);
        (enabled.*expected.event)();
        (disabled.*expected.event)();
        EXPECT_EQ(row(enabled), expected.fromEnabled);
        EXPECT_EQ(row(disabled), expected.fromDisabled);
    }
}

// A list opened while the encoder reads the recording's work file must not offer a new run,
// which would delete that file, nor a second save of it.
TEST(PlayerControls, WhileASaveEncodesRecordAndSaveStayOffUntilItEnds) {
    PlayerControls c;
    c.listOpened();
    c.saveStarted();
    c.listOpened();
    EXPECT_EQ(row(c), "101111110001");
    c.saveCompleted();
    EXPECT_EQ(row(c), "101111111001");
    c.listOpened();
    EXPECT_EQ(row(c), "101111111011") << "the encoder is done: a list opened offers both again";

    c.saveStarted();
    c.saveFailed();
    EXPECT_EQ(row(c), "101111111011");
}

} // namespace
