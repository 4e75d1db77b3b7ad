#include "vocab/media/Mp3Render.h"

#include "platform/Paths.h"
#include "platform/Resources.h"
#include "platform/Speaker.h"
#include "vocab/player/RenderedRun.h"

#include <algorithm>

namespace {

// The encoder gets through a recording of speech at a few hundred times its length; until it
// reports its own progress the time left counts on this.
constexpr qint64 EncoderSpeed = 300;
constexpr int PollMs = 100;
constexpr qint64 MsPerSecond = 1000;

QString duration(qint64 seconds) {
    if (seconds < 60) return QStringLiteral("%1 秒").arg(seconds);
    return QStringLiteral("%1 分 %2 秒")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

Mp3Render::Mp3Render(Job job, const QString &workParent, std::unique_ptr<SpeechBackend> voice,
                     QString encoder)
    : m_job(std::move(job)), m_wordCount(int(m_job.words.size())), m_workParent(workParent),
      m_encoder(std::move(encoder)), m_voice(std::move(voice)) {
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &Mp3Render::tick);
}

Mp3Render::~Mp3Render() {
    cancel();
}

QString Mp3Render::start() {
    // Said before the work rather than after it: the MP3 is never put over an existing file.
    const QString mp3 = Mp3Save::mp3Path(m_job.chosenPath);
    if (Resources::fileExists(mp3)) return TakenText.arg(mp3);
    m_workFolder.emplace(Paths::join(m_workParent, QStringLiteral("render-XXXXXX")));
    if (!m_workFolder->isValid()) return NoWorkFolderText.arg(m_workParent);
    m_run = std::make_unique<RenderedRun>(std::move(m_job.words), m_job.stepMs, m_job.speakingSpeed,
                                          m_workFolder->path(), std::move(m_voice));
    m_lengthMs = m_run->lengthMs();
    m_since.start();
    m_rendering = std::jthread([this](std::stop_token stop) {
        m_rendered = m_run->render([this, &stop](int wordsDone) {
            m_wordsDone = wordsDone;
            return !stop.stop_requested();
        });
        m_renderingEnded = true;
    });
    m_poll.start();
    return {};
}

void Mp3Render::tick() {
    if (!m_save && m_renderingEnded) {
        m_rendering.join();
        if (!m_rendered) {
            finish(false);
            return;
        }
        startEncoding();
    }
    if (m_save) {
        if (const std::optional<Mp3Save::Outcome> outcome =
                m_save->Timer4_Timer(m_run->LrcText())) {
            finish(outcome->saved, outcome->message);
            return;
        }
    }
    emit progressed(progress());
}

void Mp3Render::startEncoding() {
    m_renderedAtMs = m_since.elapsed();
    m_save =
        std::make_unique<Mp3Save>(m_workFolder->path(), m_encoder, Mp3Save::Pointer::Unchanged);
    m_save->start(m_job.chosenPath);
}

void Mp3Render::finish(bool saved, const QString &problem) {
    m_poll.stop();
    m_workFolder.reset();
    const QString mp3 = Mp3Save::mp3Path(m_job.chosenPath);
    if (!saved)
        emit finished(false, FailedText.arg(mp3));
    else
        emit finished(true, problem.isEmpty()
                                ? DoneText.arg(mp3, Mp3Save::lrcPath(m_job.chosenPath))
                                : problem);
}

void Mp3Render::cancel() {
    m_poll.stop();
    if (m_rendering.joinable()) {
        m_rendering.request_stop();
        m_rendering.join();
    }
    m_save.reset(); // ends a running encoder
    m_run.reset();
    m_workFolder.reset();
}

std::optional<qint64> Mp3Render::msLeft() const {
    const qint64 encodingGuessMs = m_lengthMs / EncoderSpeed;
    if (m_save) {
        const double share = m_save->encodedShare();
        const qint64 encodingMs = m_since.elapsed() - m_renderedAtMs;
        if (share > 0) return qint64(double(encodingMs) * (1 - share) / share);
        return std::max<qint64>(0, encodingGuessMs - encodingMs);
    }
    const int done = m_wordsDone;
    if (done == 0) return std::nullopt;
    return m_since.elapsed() * (m_wordCount - done) / done + encodingGuessMs;
}

Mp3Render::Progress Mp3Render::progress() const {
    Progress progress;
    progress.wordsDone = m_wordsDone;
    progress.words = m_wordCount;
    progress.encoding = m_save != nullptr;
    if (const std::optional<qint64> left = msLeft()) {
        progress.secondsLeft = (*left + MsPerSecond - 1) / MsPerSecond;
        const qint64 done = m_since.elapsed();
        progress.perMille = int(1000 * done / std::max<qint64>(1, done + *left));
    }
    return progress;
}

QString Mp3Render::progressText(const Progress &progress) {
    const QString done = progress.encoding ? QStringLiteral("已完成 %1 / %2 个单词，正在编码 MP3")
                                           : QStringLiteral("已完成 %1 / %2 个单词");
    const QString left =
        progress.secondsLeft
            ? QStringLiteral("剩余时间：约 %1").arg(duration(*progress.secondsLeft))
            : QStringLiteral("剩余时间：正在估算");
    return done.arg(progress.wordsDone).arg(progress.words) + QLatin1Char('\n') + left;
}
