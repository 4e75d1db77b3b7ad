#include "vocab/media/Mp3Save.h"

#include "platform/Resources.h"
#include "platform/TextCodec.h"
#include "vocab/player/RecordingCommands.h"

#include <QFile>
#include <QProcess>

Mp3Save::Mp3Save(QString systemFolder, QString encoder)
    : m_workWav(RecordingCommands::workWav(systemFolder)),
      m_workMp3(RecordingCommands::workMp3(systemFolder)), m_encoderProgram(std::move(encoder)) {}

Mp3Save::~Mp3Save() {
    if (m_encoder) {
        m_encoder->kill();
        m_encoder->waitForFinished();
    }
}

void Mp3Save::start(const QString &chosenPath) {
    m_chosenPath = chosenPath;
    m_busy.emplace();
    EncoderSeen = false;
    // Only what this run encodes may be moved to the chosen name.
    Resources::deleteFile(m_workMp3);
    m_encoder = std::make_unique<QProcess>();
    m_encoder->setStandardOutputFile(QProcess::nullDevice());
    m_encoder->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(m_encoder.get(), &QProcess::started, [this] { EncoderSeen = true; });
    QObject::connect(m_encoder.get(), &QProcess::errorOccurred, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) EncoderSeen = true;
    });
    m_encoder->start(m_encoderProgram, {QStringLiteral("-h"), m_workWav, m_workMp3});
}

std::optional<Mp3Save::Outcome> Mp3Save::Timer4_Timer(const QString &LrcText) {
    if (!m_encoder || !EncoderSeen || m_encoder->state() != QProcess::NotRunning)
        return std::nullopt;
    const Outcome outcome = complete(LrcText);
    m_encoder.reset();
    EncoderSeen = false;
    m_busy.reset();
    return outcome;
}

Mp3Save::Outcome Mp3Save::complete(const QString &LrcText) {
    const QString mp3 = m_chosenPath + QStringLiteral(".mp3");
    // The save button is there from the opening of a list, before anything was recorded.
    if (!QFile::exists(m_workWav)) return {false, NoRecordingText};
    if (!encodedCleanly()) return {false, EncoderFailedText};
    if (!QFile::rename(m_workMp3, mp3)) return {false, NotSavedText.arg(mp3)};
    TextCodec::writeGbkTextFile(m_chosenPath + QStringLiteral(".lrc"),
                                LrcText + QStringLiteral("\r\n"));
    Resources::deleteFile(m_workWav);
    return {true, {}};
}

bool Mp3Save::encodedCleanly() const {
    return m_encoder->error() != QProcess::FailedToStart &&
           m_encoder->exitStatus() == QProcess::NormalExit && m_encoder->exitCode() == 0;
}
