#pragma once

#include "reader/dictionary/DictionaryEntry.h"

#include <QFrame>

class QLabel;
class QPushButton;
class QTimer;

// The word popup Picture8: a small light-yellow panel with the headword (Label11), the
// transcription between brackets (Label12, Label15, Label13) and the definition (Label16),
// and under them a button that adds the entry to the student's new-word list.
// Hidden until a lookup shows it. Geometry is designed in twips.
class WordPopup : public QFrame {
    Q_OBJECT
public:
    static constexpr double Width = 2355;
    static constexpr double Height = 975;

    explicit WordPopup(QWidget *parent = nullptr);

    QLabel *Label11 = nullptr;        // headword
    QLabel *Label12 = nullptr;        // "["
    QLabel *Label13 = nullptr;        // "]"
    QLabel *Label15 = nullptr;        // transcription, shown as IPA
    QLabel *Label16 = nullptr;        // definition
    QPushButton *addButton = nullptr; // asks for the entry on show to go to the new-word list
    QTimer *addedTimer = nullptr;     // ends the moment in which addButton says the word went in

    static inline const QString AddText = QStringLiteral("加入生词本");
    static inline const QString AddedText = QStringLiteral("已加入生词本");
    static inline const QString ListedText = QStringLiteral("已在生词本中");

    // Fills the labels with the entry, shows the brackets around a transcription (hides them
    // when there is none) and shows the popup, taller when the definition needs more room.
    void showEntry(const DictionaryEntry &entry);

    // After an add was asked for: addButton says "已加入生词本" for a moment when the word was
    // just added, then "已在生词本中", which it says at once when the word was there already.
    void showListed(bool justAdded);

    // The entry on show, its transcription in the phonetic font's code.
    const DictionaryEntry &entry() const { return m_entry; }

    // Top-left corner in twips of the parent.
    void moveTo(QPointF twips);
    static QSizeF sizeTwips() { return {Width, Height}; }

signals:
    void addRequested();

private:
    void placeClosingBracket();
    void buildAddButton();
    void placeAddButton();
    void setAddButtonText(const QString &text);
    void fitDefinition();
    void keepInsideParent();

    DictionaryEntry m_entry;
};
