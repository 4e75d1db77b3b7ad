#include "vocab/player/PlayerControls.h"

void PlayerControls::setPlayer(bool playing) {
    play = back = forward = newWordsOnly = range = !playing;
    stop = playing;
}

void PlayerControls::setRecording(bool recording) {
    setPlayer(recording);
    stop = false;
    newWordMark = speed = listCommands = !recording;
    record = save = !recording;
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
    save = false;
}

void PlayerControls::saveFailed() {
    save = true;
}
