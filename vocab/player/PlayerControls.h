#pragma once

// Which of the main window's player and selection controls are enabled. Each event of the
// player sets its row of controls and leaves the others as they are; the window shows the state
// after every event. Before the first list only the speed box is enabled (and the tips button,
// which is never disabled). While a save encodes the recording, the record and save buttons stay
// off whatever else happens: a new run would delete the work file the encoder reads.
struct PlayerControls {
    bool play = false;          // toolbar button 1
    bool stop = false;          // toolbar button 2
    bool back = false;          // toolbar button 4
    bool forward = false;       // toolbar button 5
    bool newWordsOnly = false;  // Check1
    bool newWordMark = false;   // Check2
    bool range = false;         // Text1 and Text2
    bool speed = true;          // Combo1
    bool record = false;        // Command2
    bool stopRecording = false; // Command1
    bool save = false;          // Command3
    bool listCommands = false;  // the menu commands over the selection (cards, text, MP3, Anki)

    // A list was opened (and any recording ended by it).
    void listOpened();
    // A collection was clicked in the tree.
    void collectionClicked();
    void drillStarted();
    // Stop, or the drill's end.
    void drillEnded();
    void recordingStarted();
    void recordingEnded();
    // The student chose a name for the recording: it is being encoded.
    void saveStarted();
    // The save reached the chosen name and took the recording with it.
    void saveCompleted();
    // The save did not reach the chosen name: the recording can be saved under another.
    void saveFailed();

private:
    void setPlayer(bool playing);
    void setRecording(bool recording);
    void endSave();

    bool m_encoding = false;
};
