#pragma once

#include "reader/dictionary/WordLookup.h"

#include <QPointF>
#include <QSizeF>

class QTextEdit;
class Speaker;
class WordPopup;

// Word picking in the reader's text panes: a left-button release places the popup near the
// mouse and looks up the word at the caret; a mouse move sideways away from that spot hides
// the popup again, unless the mouse heads into the popup. Positions are in twips.
class WordPicking {
public:
    WordPicking(QString dictionaryPath, Speaker &speaker, WordPopup &popup);

    // Left-button release in the article pane R1 (inside Picture2) or the lower pane R2.
    // origin: the top-left corner of Picture2 or of R2 in the window's client area; mouse:
    // relative to the pane; window: the window's size.
    void articleMouseUp(const QTextEdit &pane, QPointF origin, QPointF mouse, QSizeF window);
    void lowerPaneMouseUp(const QTextEdit &pane, QPointF origin, QPointF mouse, QSizeF window);
    // Mouse move over either pane; origin as for the release. The popup also stays while the
    // mouse is on its way into it.
    void mouseMove(QPointF origin, QPointF mouse);

    // Looks the word up; when an entry is found, shows it in the popup, then speaks its
    // headword. When nothing is found nothing is spoken and the popup stays as it was.
    void schword(const QString &word);

private:
    void lookUpAt(const QTextEdit &pane, QPointF popupPosition, QPointF origin, QPointF mouse);

    WordLookup m_lookup;
    Speaker &m_speaker;
    WordPopup &m_popup;
    int m_lastLookupX = 0; // the mouse's x at the last lookup; 0 once the popup was hidden
    QPointF m_lookupSpot;  // where the last lookup was, in the window's client area
};
