#include "reader/dictionary/WordPicking.h"

#include "platform/Speaker.h"
#include "platform/Twips.h"
#include "reader/dictionary/PickWord.h"
#include "reader/dictionary/PopupPlacement.h"
#include "reader/dictionary/WordPopup.h"

#include <QtMath>

namespace {

// Stop the word still sounding, then speak.
constexpr int SpeakFlags = 144;

} // namespace

WordPicking::WordPicking(QString dictionaryPath, Speaker &speaker, WordPopup &popup)
    : m_lookup(std::move(dictionaryPath)), m_speaker(speaker), m_popup(popup) {}

void WordPicking::articleMouseUp(const QTextEdit &pane, QPointF origin, QPointF mouse,
                                 QSizeF window) {
    lookUpAt(pane, PopupPlacement::forArticle(origin, mouse, WordPopup::sizeTwips(), window),
             origin, mouse);
}

void WordPicking::lowerPaneMouseUp(const QTextEdit &pane, QPointF origin, QPointF mouse,
                                   QSizeF window) {
    lookUpAt(pane, PopupPlacement::forLowerPane(origin, mouse, WordPopup::sizeTwips(), window),
             origin, mouse);
}

void WordPicking::lookUpAt(const QTextEdit &pane, QPointF popupPosition, QPointF origin,
                           QPointF mouse) {
    m_popup.moveTo(popupPosition);
    schword(pickword(pane));
    m_lastLookupX = qRound(mouse.x());
    m_lookupSpot = origin + mouse;
}

void WordPicking::mouseMove(QPointF origin, QPointF mouse) {
    if (PopupPlacement::keepsPopup(m_lastLookupX, mouse.x())) return;
    if (m_popup.isVisible() &&
        PopupPlacement::onWayToPopup(m_lookupSpot, Twips::fromPixels(m_popup.geometry()),
                                     origin + mouse))
        return;
    m_popup.hide();
    m_lastLookupX = 0;
}

void WordPicking::schword(const QString &word) {
    const std::optional<DictionaryEntry> entry = m_lookup.find(word);
    if (!entry) return;
    m_popup.showEntry(*entry);
    m_speaker.Speak(entry->headword, SpeakFlags);
}
