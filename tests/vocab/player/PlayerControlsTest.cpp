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

template <typename Event> std::pair<std::string, std::string> fromBothSides(Event event) {
    PlayerControls on = all(true);
    PlayerControls off = all(false);
    (on.*event)();
    (off.*event)();
    return {row(on), row(off)};
}

using Rows = std::pair<std::string, std::string>;

TEST(PlayerControls, BeforeTheFirstListOnlyTheSpeedBoxIsEnabled) {
    EXPECT_EQ(row(PlayerControls()), "000000010000");
}

TEST(PlayerControls, OpeningAListEnablesEverythingButTheStopButtons) {
    EXPECT_EQ(fromBothSides(&PlayerControls::listOpened), Rows("101111111011", "101111111011"));
}

TEST(PlayerControls, ClickingACollectionDisablesOnlyTheRange) {
    EXPECT_EQ(fromBothSides(&PlayerControls::collectionClicked),
              Rows("111111011111", "000000000000"));
}

TEST(PlayerControls, PlayLeavesTheMarkSpeedRecordingAndListCommandsAsTheyAre) {
    EXPECT_EQ(fromBothSides(&PlayerControls::drillStarted), Rows("010001011111", "010000000000"));
}

TEST(PlayerControls, EndOfTheDrillEnablesThePlayerAndTheSelection) {
    EXPECT_EQ(fromBothSides(&PlayerControls::drillEnded), Rows("101111111111", "101110100000"));
}

TEST(PlayerControls, RecordingDisablesAllButItsStopButtonUntilItEnds) {
    EXPECT_EQ(fromBothSides(&PlayerControls::recordingStarted),
              Rows("000000000100", "000000000100"));
    EXPECT_EQ(fromBothSides(&PlayerControls::recordingEnded), Rows("101111111011", "101111111011"));
}

} // namespace
