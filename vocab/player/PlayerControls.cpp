#include "vocab/player/PlayerControls.h"

void PlayerControls::setPlayer(bool playing) {
    play = back = forward = newWordsOnly = range = !playing;
    stop = playing;
}

void PlayerControls::setRecording(bool recording) {
    setPlayer(recording);
    stop = false;
    newWordMark = speed = listCommands = !recording;
    record = save = !recording && !m_encoding;
    stopRecording = recording;
}

void PlayerControls::listOpened() {
    setRecording(false);
}

void PlayerControls::collectionClicked() {
    range = false;
}

void PlayerControls::drillStarted() {
    setPlayer(true);
}

void PlayerControls::drillEnded() {
    setPlayer(false);
}

void PlayerControls::recordingStarted() {
    setRecording(true);
}

void PlayerControls::recordingEnded() {
    setRecording(false);
}

void PlayerControls::saveStarted() {
    m_encoding = true;
    record = save = false;
}

void PlayerControls::saveCompleted() {
    endSave();
}

void PlayerControls::saveFailed() {
    endSave();
    save = true;
}

void PlayerControls::endSave() {
    m_encoding = false;
    record = true;
}
