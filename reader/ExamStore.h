#pragma once

#include <QString>
#include <optional>

// The exam store: one row per part, holding the article and, for the lower pane, the
// questions, the answers with explanations and the translation, each as RTF. Every fetch
// opens the store, reads one row and closes it again; nothing stays open between clicks.
class ExamStore {
public:
    struct Paper {
        QString yw; // article
        QString st; // questions
        QString da; // answers with explanations
        QString zw; // translation
    };

    explicit ExamStore(QString connectionString);

    // The part's row, or nothing when the store cannot be opened or has no row for the key.
    std::optional<Paper> fetch(const QString &key) const;

private:
    QString m_connectionString;
};
