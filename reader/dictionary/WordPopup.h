#pragma once

#include "reader/dictionary/DictionaryEntry.h"

#include <QFrame>

class QLabel;

// The word popup Picture8: a small light-yellow panel with the headword (Label11), the
// transcription between brackets (Label12, Label15, Label13) and the definition (Label16).
// Hidden until a lookup shows it. Geometry is designed in twips.
class WordPopup : public QFrame {
    Q_OBJECT
public:
    static constexpr double Width = 2355;
    static constexpr double Height = 975;

    explicit WordPopup(QWidget *parent = nullptr);

    QLabel *Label11 = nullptr; // headword
    QLabel *Label12 = nullptr; // "["
    QLabel *Label13 = nullptr; // "]"
    QLabel *Label15 = nullptr; // transcription, shown as IPA
    QLabel *Label16 = nullptr; // definition

    // Fills the labels with the entry, shows the brackets around a transcription (hides them
    // when there is none) and shows the popup, taller when the definition needs more room.
    void showEntry(const DictionaryEntry &entry);

    // The entry on show, its transcription in the phonetic font's code.
    const DictionaryEntry &entry() const { return m_entry; }

    // Top-left corner in twips of the parent.
    void moveTo(QPointF twips);
    static QSizeF sizeTwips() { return {Width, Height}; }

private:
    void placeClosingBracket();
    void fitDefinition();
    void keepInsideParent();

    DictionaryEntry m_entry;
};
