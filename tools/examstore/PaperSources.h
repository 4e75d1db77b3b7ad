#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The paper sources: for every part of the catalogue a folder <root>/<year>/Part<N>/ with the
// four UTF-8 texts yw.txt (article), st.txt (questions), da.txt (answers), zw.txt (translation).
namespace PaperSources {

// The texts of a part, in this column order.
inline const QStringList Columns = {QStringLiteral("yw"), QStringLiteral("st"),
                                    QStringLiteral("da"), QStringLiteral("zw")};

struct Part {
    QString key;    // "1998年试题Part5"
    QString folder; // "1998/Part5"
    QStringList texts;
    bool placeholder = false;

    const QString &article() const { return texts.at(0); }
};

struct Result {
    std::vector<Part> parts;
    QStringList errors; // one line per missing or empty text
};

// Reads all parts in catalogue order. A missing or empty text is an error; with
// allowPlaceholders, a part whose whole folder is missing gets short placeholder texts instead.
Result readAll(const QString &root, bool allowPlaceholders);

} // namespace PaperSources
