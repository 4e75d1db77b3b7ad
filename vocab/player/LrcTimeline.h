#pragma once

#include <QString>

// The timeline of a recording run in the LRC lyric format, so that a portable player shows each
// word and then its meaning as they sound: four tag lines, then one line per step, its time tag
// in brackets followed by the word or the meaning, inserted unchanged. Lines are separated by
// CR LF; whoever writes the timeline to a file ends it with one more.
class LrcTimeline {
public:
    static inline const QString Header =
        QStringLiteral("[ti:Lexireel]\r\n[ar:Lexipocket]\r\n[by:Zentrova]\r\n[offset:500]\r\n");

    // Replaces the timeline by the header and the run's first word.
    void begin(const QString &tag, const QString &firstWord) {
        m_text = Header + line(tag, firstWord);
    }
    void append(const QString &tag, const QString &text) {
        m_text += QStringLiteral("\r\n") + line(tag, text);
    }
    const QString &text() const { return m_text; }

private:
    static QString line(const QString &tag, const QString &text) {
        return QLatin1Char('[') + tag + QLatin1Char(']') + text;
    }

    QString m_text;
};
