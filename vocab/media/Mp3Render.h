#pragma once

#include "vocab/library/WordRecord.h"
#include "vocab/media/Mp3Save.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class RenderedRun;
class SpeechBackend;

// Turns a selection into an MP3 file with its LRC file beside it in a fraction of the time of a
// recording run: the run is rendered on a thread of its own into a work folder, then encoded and
// moved to the chosen name with its timeline beside it by the MP3 save, away from the system
// folder's work files, so a recording waiting to be saved is never touched. Nothing reaches the
// chosen name before the MP3 is complete; cancelling, or destroying the object, stops the work
// and removes the work folder.
class Mp3Render : public QObject {
    Q_OBJECT
public:
    static inline const QString TakenText =
        QStringLiteral("不能保存为 %1：文件已存在，请换一个文件名。");
    static inline const QString NoWorkFolderText =
        QStringLiteral("不能在 %1 中建立工作文件夹，没有生成 MP3。");
    static inline const QString DoneText = QStringLiteral("已生成 %1 和 %2");
    static inline const QString CancelledText =
        QStringLiteral("快速生成 MP3 已取消，没有保存任何文件。");
    static inline const QString FailedText =
        QStringLiteral("没有生成 %1：录音或 MP3 编码失败，或文件无法写入。");

    struct Job {
        std::vector<WordRecord> words;
        int stepMs = 0;        // the step the speed box sets
        int speakingSpeed = 0; // the speaker's
        QString chosenPath;    // the MP3 gets ".mp3" added, the timeline ".lrc"
    };

    struct Progress {
        int wordsDone = 0;
        int words = 0;
        bool encoding = false;
        std::optional<qint64> secondsLeft; // unknown until the first word is done
        int perMille = 0;                  // of the whole work, by the time it takes
    };

    // workParent: where the work folder is made. encoder: as for the MP3 save.
    Mp3Render(Job job, const QString &workParent, std::unique_ptr<SpeechBackend> voice,
              QString encoder = QStringLiteral("lame"));
    ~Mp3Render() override;

    // Starts the work, which then reports through progressed() and finished(). Returns why
    // nothing could start (a taken name, no work folder); empty when the work started.
    QString start();
    // Stops the work; nothing is written at the chosen name and the work folder goes.
    void cancel();
    Progress progress() const;

    // The words done and the time left, as the progress window says them.
    static QString progressText(const Progress &progress);

signals:
    void progressed(const Mp3Render::Progress &progress);
    void finished(bool saved, const QString &message);

private:
    void tick();
    void startEncoding();
    // problem: what went amiss in a save that still saved the MP3.
    void finish(bool saved, const QString &problem = {});
    std::optional<qint64> msLeft() const;

    Job m_job;
    const int m_wordCount;
    const QString m_workParent;
    const QString m_encoder;
    std::unique_ptr<SpeechBackend> m_voice;
    std::optional<QTemporaryDir> m_workFolder;
    std::unique_ptr<RenderedRun> m_run;
    std::unique_ptr<Mp3Save> m_save;
    std::jthread m_rendering;
    std::atomic<int> m_wordsDone = 0;
    std::atomic<bool> m_renderingEnded = false;
    std::atomic<bool> m_rendered = false;
    qint64 m_lengthMs = 0;     // of the recording
    QElapsedTimer m_since;     // the start of the work
    qint64 m_renderedAtMs = 0; // when encoding began
    QTimer m_poll;
};
