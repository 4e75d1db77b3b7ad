#include "tools/dictgen/PhraseFrequency.h"

#include <vector>

namespace {

std::vector<std::string> words(const QString &text) {
    std::vector<std::string> found;
    std::string current;
    for (const QChar c : text) {
        const char16_t lower = c.toLower().unicode();
        if (lower >= u'a' && lower <= u'z') {
            current += char(lower);
        } else if (!current.empty()) {
            found.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) found.push_back(std::move(current));
    return found;
}

} // namespace

PhraseFrequency::PhraseFrequency(const QStringList &phrases) {
    for (const QString &phrase : phrases) {
        m_counts.emplace(phrase.toLower().toStdString(), 0);
        m_firstWords.insert(phrase.section(u' ', 0, 0).toLower().toStdString());
    }
}

void PhraseFrequency::countIn(const QString &text) {
    const std::vector<std::string> sequence = words(text);
    for (size_t start = 0; start < sequence.size(); ++start) {
        if (!m_firstWords.count(sequence[start])) continue;
        std::string key = sequence[start];
        for (size_t end = start + 1; end < sequence.size() && end < start + MaxWords; ++end) {
            key += ' ';
            key += sequence[end];
            if (const auto found = m_counts.find(key); found != m_counts.end()) ++found->second;
        }
    }
}

int PhraseFrequency::count(const QString &phrase) const {
    const auto found = m_counts.find(phrase.toLower().toStdString());
    return found == m_counts.end() ? 0 : found->second;
}
