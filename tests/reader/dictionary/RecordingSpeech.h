#pragma once

#include "platform/Speaker.h"

#include <QStringList>

// A voice for tests: remembers what it was asked to speak and produces no sound.
class RecordingSpeech : public SpeechBackend {
public:
    explicit RecordingSpeech(QStringList &spoken) : m_spoken(spoken) {}

    SpeechSamples synthesize(const QString &text, int) override {
        m_spoken += text;
        return {};
    }

private:
    QStringList &m_spoken;
};
