#pragma once

#include <QWidget>

class QFrame;
class QLabel;
struct WordRecord;

// The word display Picture2: the panel Picture1 with the word (Label5), the transcription between
// brackets (Label8, Label6, Label9), a rule (Line1) and the meaning (Label7), and the dark
// shadow Label1 behind it, 120 twips lower and to the right. The panel stays blank until the
// first word; a selection without words is said across the blank panel. Designed in twips; the
// whole display, fonts included, grows by a zoom factor with the window.
class WordDisplay : public QWidget {
    Q_OBJECT
public:
    // The panel with its shadow at zoom 1.
    static constexpr double Width = 4935;
    static constexpr double Height = 3075;
    static inline const QString NoWordsText = QStringLiteral("没有符合条件的单词");

    explicit WordDisplay(QWidget *parent = nullptr);

    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

    // The word and its transcription, in brackets only when there is one; no meaning.
    void showWord(const WordRecord &word);
    void showMeaning(const QString &meaning);
    // Says that the selection holds no word.
    void showNoWords();

    QLabel *Label1 = nullptr;
    QFrame *Picture1 = nullptr;
    QLabel *Label5 = nullptr; // the word
    QLabel *Label8 = nullptr; // "["
    QLabel *Label6 = nullptr; // the transcription, shown as IPA
    QLabel *Label9 = nullptr; // "]"
    QFrame *Line1 = nullptr;
    QLabel *Label7 = nullptr; // the meaning
    QLabel *noWords = nullptr;

private:
    void clear();
    void arrange();
    void placeTranscription();
    int pixels(double twips) const;
    QRect rect(double left, double top, double width, double height) const;

    double m_zoom = 1;
};
