#include "vocab/media/Form2.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class Form2Test : public ::testing::Test {
protected:
    Form2Test() {
        form = new Form2(&Text3, [this](QWidget *) { return browserAnswer; });
        QObject::connect(form, &Form2::makeCards, [this](bool smaller, const QString &folder) {
            requests << QStringLiteral("%1|%2|%3")
                            .arg(smaller ? "smaller" : "larger", folder,
                                 form->isVisible() ? "shown" : "hidden");
        });
        form->show();
    }
    ~Form2Test() override { delete form.data(); }

    bool deletedOnClose() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return form.isNull();
    }

    QLineEdit Text3;
    QString browserAnswer;
    QPointer<Form2> form;
    QStringList requests;
};

TEST_F(Form2Test, OpensWithItsCaptionsTheHomeFolderAndTheSmallerSize) {
    EXPECT_EQ(form->windowTitle(), "制作单词卡片");
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->Label2->text(), "保存文件夹");
    EXPECT_EQ(form->Command2->text(), "浏览");
    EXPECT_EQ(form->Option2->text(), "较小尺寸");
    EXPECT_EQ(form->Option1->text(), "较大尺寸");
    EXPECT_EQ(form->Command1->text(), "确  定");
    EXPECT_EQ(form->Command3->text(), "取  消");
    EXPECT_TRUE(form->Option2->isChecked());
    EXPECT_EQ(form->Text1->text(), QDir::homePath() + "/");
    EXPECT_EQ(form->Text1->cursorPosition(), form->Text1->text().size());
    EXPECT_EQ(Text3.text(), QDir::homePath());
}

TEST_F(Form2Test, TheFolderFieldIsMirroredWithDoubledSlashesMadeSingle) {
    form->Text1->setText("/data//cards//");
    EXPECT_EQ(Text3.text(), "/data/cards/");
}

TEST_F(Form2Test, ABrowsedFolderReplacesTheFieldAndACancelledBrowserChangesNothing) {
    browserAnswer = " /media/usb/cards ";
    form->Command2_Click();
    EXPECT_EQ(form->Text1->text(), "/media/usb/cards");
    EXPECT_EQ(form->Text1->cursorPosition(), form->Text1->text().size());
    EXPECT_EQ(Text3.text(), "/media/usb/cards");

    browserAnswer.clear();
    form->Command2_Click();
    EXPECT_EQ(form->Text1->text(), "/media/usb/cards");
}

TEST_F(Form2Test, OkAsksForTheChosenSizeWhileHiddenAndThenCloses) {
    form->Option1->setChecked(true);
    form->Text1->setText("/cards");
    form->Command1_Click();
    EXPECT_EQ(requests, QStringList{"larger|/cards|hidden"});
    EXPECT_TRUE(deletedOnClose());
}

TEST_F(Form2Test, CancelClosesWithoutCards) {
    form->Command3_Click();
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(deletedOnClose());
}

} // namespace
