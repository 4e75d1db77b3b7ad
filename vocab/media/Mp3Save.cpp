#include "vocab/media/Mp3Save.h"

#include "platform/Resources.h"
#include "platform/TextCodec.h"
#include "vocab/player/RecordingCommands.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

// The encoder reports its progress on its error output as "<frames done>/<frames> (<percent>%)",
// over and over; the last whole report of a piece of output counts.
std::optional<double> reportedShare(const QByteArray &output) {
    static const QRegularExpression report(QStringLiteral("(\\d+)/(\\d+)\\s+\\(\\s*\\d+%\\)"));
    std::optional<double> share;
    for (const QRegularExpressionMatch &match : report.globalMatch(QString::fromLatin1(output))) {
        const double frames = match.captured(2).toDouble();
        if (frames > 0) share = std::min(1.0, match.captured(1).toDouble() / frames);
    }
    return share;
}

} // namespace

Mp3Save::Mp3Save(QString workFolder, QString encoder, Pointer pointer)
    : m_workWav(RecordingCommands::workWav(workFolder)),
      m_workMp3(RecordingCommands::workMp3(workFolder)), m_encoderProgram(std::move(encoder)),
      m_pointer(pointer) {}

Mp3Save::~Mp3Save() {
    if (m_encoder) {
        m_encoder->kill();
        m_encoder->waitForFinished();
    }
}

void Mp3Save::start(const QString &chosenPath) {
    m_chosenPath = chosenPath;
    if (m_pointer == Pointer::Busy) m_busy.emplace();
    EncoderSeen = false;
    m_encodedShare = 0;
    // Only what this run encodes may be moved to the chosen name.
    Resources::deleteFile(m_workMp3);
    m_encoder = std::make_unique<QProcess>();
    m_encoder->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(m_encoder.get(), &QProcess::readyReadStandardError,
                     [this] { readEncoderReport(); });
    QObject::connect(m_encoder.get(), &QProcess::started, [this] { EncoderSeen = true; });
    QObject::connect(m_encoder.get(), &QProcess::errorOccurred, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) EncoderSeen = true;
    });
    m_encoder->start(m_encoderProgram, {QStringLiteral("-h"), m_workWav, m_workMp3});
}

std::optional<Mp3Save::Outcome> Mp3Save::Timer4_Timer(const QString &LrcText) {
    if (!m_encoder || !EncoderSeen || m_encoder->state() != QProcess::NotRunning)
        return std::nullopt;
    readEncoderReport();
    const Outcome outcome = complete(LrcText);
    m_encoder.reset();
    EncoderSeen = false;
    m_busy.reset();
    return outcome;
}

QString Mp3Save::mp3Path(const QString &chosenPath) {
    return chosenPath + QStringLiteral(".mp3");
}

QString Mp3Save::lrcPath(const QString &chosenPath) {
    return chosenPath + QStringLiteral(".lrc");
}

Mp3Save::Outcome Mp3Save::complete(const QString &LrcText) {
    const QString mp3 = mp3Path(m_chosenPath);
    const QString lrc = lrcPath(m_chosenPath);
    // The save button is there from the opening of a list, before anything was recorded.
    if (!QFile::exists(m_workWav)) return {false, NoRecordingText};
    if (!encodedCleanly()) return {false, EncoderFailedText};
    if (!QFile::rename(m_workMp3, mp3)) return {false, NotSavedText.arg(mp3)};
    const bool lrcWritten = TextCodec::writeGbkTextFile(lrc, LrcText + QStringLiteral("\r\n"));
    Resources::deleteFile(m_workWav);
    return {true, lrcWritten ? QString() : LrcNotWrittenText.arg(mp3, lrc)};
}

bool Mp3Save::encodedCleanly() const {
    return m_encoder->error() != QProcess::FailedToStart &&
           m_encoder->exitStatus() == QProcess::NormalExit && m_encoder->exitCode() == 0;
}

// Read as it comes, so that the encoder never waits for its reports to be taken.
void Mp3Save::readEncoderReport() {
    if (const std::optional<double> share = reportedShare(m_encoder->readAllStandardError()))
        m_encodedShare = std::max(m_encodedShare, *share);
}
