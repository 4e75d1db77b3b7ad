#pragma once

#include "vocab/media/WaitCursor.h"

#include <QString>
#include <memory>
#include <optional>

class QProcess;

// Saves a finished recording as an MP3 file with its LRC file beside it. start runs the
// encoder on the WAV work file in the work folder as a separate process (lame -h <wav>
// <mp3>, no shell); Timer4_Timer, called on every tick of the save timer, completes the save
// once that process has ended: the MP3 is moved to the chosen name + ".mp3" (never over an
// existing file), the LRC text is written to the chosen name + ".lrc" (GBK, CR LF) and the WAV
// work file is deleted. When no MP3 reached the chosen name (the encoder is missing or failed,
// or the name is taken) the WAV work file and any existing LRC file stay as they were, and the
// outcome says so, so the recording can be saved under another name. An LRC file that cannot
// be written is said too, though the MP3 is saved.
class Mp3Save {
public:
    static inline const QString EncoderFailedText =
        QStringLiteral("MP3 编码失败，录音仍在，可以重新保存。");
    static inline const QString NoRecordingText =
        QStringLiteral("还没有录音，没有可以保存的内容。");
    static inline const QString NotSavedText =
        QStringLiteral("不能保存为 %1：文件已存在或无法写入。录音仍在，请换一个文件名保存。");
    static inline const QString LrcNotWrittenText =
        QStringLiteral("已保存 %1，但歌词文件 %2 无法写入。");

    struct Outcome {
        bool saved = false;
        QString message; // for the status line; empty when everything was saved
    };

    // Where a save towards chosenPath puts its MP3 and LRC files.
    static QString mp3Path(const QString &chosenPath);
    static QString lrcPath(const QString &chosenPath);

    // Whether the busy pointer shows while the encoder runs: the save shows it, a caller with a
    // progress window of its own leaves the pointer alone.
    enum class Pointer { Busy, Unchanged };

    // workFolder: where the WAV and MP3 work files are, the system folder for a recording run.
    // encoder: the encoder program, found on the PATH unless it is a path.
    explicit Mp3Save(QString workFolder, QString encoder = QStringLiteral("lame"),
                     Pointer pointer = Pointer::Busy);
    ~Mp3Save();
    Mp3Save(const Mp3Save &) = delete;
    Mp3Save &operator=(const Mp3Save &) = delete;

    // Starts encoding towards chosenPath, the path the student chose, extension and all; with
    // Pointer::Busy the busy pointer shows until the save completes.
    void start(const QString &chosenPath);
    // Nothing while no save runs or the encoder is still at work; otherwise completes the
    // save and tells how it went.
    std::optional<Outcome> Timer4_Timer(const QString &LrcText);

    // How much of the recording the running encoder has encoded, from 0 to 1, as it reports.
    double encodedShare() const { return m_encodedShare; }

    // The encoder of the running save has come up (or failed to); it is done once it has
    // ended after that.
    bool EncoderSeen = false;

private:
    Outcome complete(const QString &LrcText);
    bool encodedCleanly() const;
    void readEncoderReport();

    QString m_workWav;
    QString m_workMp3;
    QString m_encoderProgram;
    Pointer m_pointer;
    QString m_chosenPath;
    std::unique_ptr<QProcess> m_encoder;
    std::optional<WaitCursor> m_busy;
    double m_encodedShare = 0;
};
