#include "reader/dictionary/WordPicking.h"

#include "platform/Speaker.h"
#include "platform/Twips.h"
#include "reader/dictionary/WordPopup.h"
#include "support/FakeSpeech.h"
#include "tests/reader/dictionary/DictionaryFiles.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Entries =
    u"$a[ei, 2]art.<一>$study['st3di]vt.学习；研究；细看 vi.读书 n.学习；研究"
    u"$with one voice[]异口同声地"
    u"$run[r3n]vi. 跑, 奔跑, 运转, 流动, 竞选, 褪色, 延续, 蔓延 vt. 经营, 管理, "
    u"运行, 使流动, 使奔跑, 驾驶, 追踪, 冒险 n. 奔跑, 路程, 趋势, 一连串$"_s;

class WordPickingTest : public ::testing::Test {
protected:
    FakeSpeaker m_speech;
    Speaker &m_speaker = m_speech.speaker;
    QWidget m_window;
    WordPopup *m_popup = new WordPopup(&m_window);
    DictionaryFiles m_files;
    WordPicking m_picking{m_files.write(Entries), m_speaker, *m_popup};
};

} // namespace

TEST_F(WordPickingTest, FoundWordIsSpokenAndShownWithItsTranscription) {
    m_picking.schword(u"studies"_s);
    EXPECT_EQ(m_speech.spoken(), QStringList{u"study"_s});
    EXPECT_FALSE(m_popup->isHidden());
    EXPECT_EQ(m_popup->Label11->text(), u"study"_s);
    EXPECT_EQ(m_popup->entry().transcription, u"5stQdi"_s);
    EXPECT_EQ(m_popup->Label15->text(), u"ˈstʌdi"_s);
    EXPECT_EQ(m_popup->Label16->text(), u"vt.学习；研究；细看 vi.读书 n.学习；研究"_s);
    EXPECT_FALSE(m_popup->Label12->isHidden());
    EXPECT_FALSE(m_popup->Label13->isHidden());
    // The closing bracket stands 20 twips after the transcription.
    const QLabel *transcription = m_popup->Label15;
    EXPECT_EQ(m_popup->Label13->x(),
              Twips::toPixels(Twips::fromPixels(transcription->x() + transcription->width()) + 20));
}

TEST_F(WordPickingTest, EntryWithoutTranscriptionHidesTheBrackets) {
    m_picking.schword(u"study"_s);
    m_picking.schword(u"with one voice"_s);
    EXPECT_EQ(m_popup->Label11->text(), u"with one voice"_s);
    EXPECT_TRUE(m_popup->Label12->isHidden());
    EXPECT_TRUE(m_popup->Label13->isHidden());
    EXPECT_TRUE(m_popup->Label15->text().isEmpty());
}

TEST_F(WordPickingTest, DefinitionIsShownAsPlainText) {
    m_picking.schword(u"a"_s);
    EXPECT_EQ(m_popup->Label16->textFormat(), Qt::PlainText);
    EXPECT_EQ(m_popup->Label16->text(), u"art.<一>"_s);
    EXPECT_EQ(m_popup->Label15->text(), u"ei/ə"_s);
}

TEST_F(WordPickingTest, WordNotFoundLeavesThePopupAsItWas) {
    m_picking.schword(u"unknown"_s);
    EXPECT_TRUE(m_popup->isHidden());
    m_picking.schword(u"study"_s);
    m_picking.schword(u"unknown"_s);
    EXPECT_FALSE(m_popup->isHidden());
    EXPECT_EQ(m_popup->Label11->text(), u"study"_s);
    EXPECT_EQ(m_speech.spoken(), QStringList{u"study"_s});
}

TEST_F(WordPickingTest, LongDefinitionGrowsThePopupInsideTheWindow) {
    m_window.resize(400, 300);
    m_picking.schword(u"a"_s); // a one-line definition keeps the designed size
    const QSize designed(Twips::toPixels(WordPopup::Width), Twips::toPixels(WordPopup::Height));
    const QSize oneLine = m_popup->size();
    EXPECT_EQ(oneLine.width(), designed.width());
    EXPECT_EQ(m_popup->addButton->y(), designed.height()); // with the add button's row below
    EXPECT_LT(m_popup->addButton->geometry().bottom(), oneLine.height());

    m_popup->move(10, 280); // near the bottom of the window
    m_picking.schword(u"run"_s);
    QLabel *definition = m_popup->Label16;
    EXPECT_GT(m_popup->height(), oneLine.height());
    EXPECT_GE(definition->height(), definition->heightForWidth(definition->width()));
    EXPECT_LE(m_popup->geometry().bottom(), 300);
    EXPECT_EQ(m_popup->x(), 10);

    m_picking.schword(u"a"_s);
    EXPECT_EQ(m_popup->size(), oneLine);
}

// A clock that notes whether the popup is on show whenever it is read: a speaker reads it at
// the moment it is asked to speak.
class PopupWatchingClock : public Clock {
public:
    explicit PopupWatchingClock(const WordPopup &popup) : m_popup(popup) {}
    qint64 nowMs() const override {
        popupShown << !m_popup.isHidden();
        return 0;
    }
    mutable QList<bool> popupShown;

private:
    const WordPopup &m_popup;
};

TEST_F(WordPickingTest, PopupIsOnShowBeforeTheWordIsSpoken) {
    const PopupWatchingClock clock(*m_popup);
    FakeSpeaker speech(clock);
    WordPicking picking(m_files.write(Entries), speech.speaker, *m_popup);
    picking.schword(u"study"_s);
    EXPECT_EQ(speech.spoken(), QStringList{u"study"_s});
    EXPECT_EQ(clock.popupShown, QList<bool>{true});
}
