#include "vocab/VocabTestSupport.h"
#include "vocab/library/Form3.h"
#include "vocab/library/TipsMarker.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class TipsWindowTest : public ::testing::Test {
protected:
    int visiblePicture() const {
        int shown = -1;
        for (int i = 0; i < Form3::TipCount; ++i)
            if (tips.Image1[size_t(i)]->isVisibleTo(&tips)) {
                EXPECT_EQ(shown, -1) << "more than one picture on show";
                shown = i;
            }
        return shown;
    }

    VocabFolders folders;
    Form3 tips{folders.systemFolder()};
};

TEST_F(TipsWindowTest, StartsOnTheFirstPictureAndNextAndPreviousWrapAround) {
    for (QLabel *picture : tips.Image1)
        EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(visiblePicture(), 0);
    for (int i = 1; i <= Form3::TipCount; ++i) {
        tips.Command1->click();
        EXPECT_EQ(visiblePicture(), i % Form3::TipCount);
    }
    tips.Command2->click();
    EXPECT_EQ(visiblePicture(), 5);
    tips.Command2->click();
    EXPECT_EQ(visiblePicture(), 4);
}

TEST_F(TipsWindowTest, EveryClickOnDoNotShowWritesTheMarker) {
    tips.Check1->click();
    EXPECT_TRUE(TipsMarker::exists(folders.systemFolder()));
    tips.Check1->click();
    EXPECT_FALSE(tips.Check1->isChecked());
    EXPECT_TRUE(TipsMarker::exists(folders.systemFolder()));
}

} // namespace
