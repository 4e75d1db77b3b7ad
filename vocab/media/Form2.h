#pragma once

#include "vocab/media/MediaDialogs.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The word-card options: the folder the cards go to and their size. The folder field is
// mirrored into the main window's Text3. The dialog is not modal and deletes itself when
// closed; 确  定 hides it and asks for the cards before it closes.
class Form2 : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("制作单词卡片");

    Form2(QLineEdit *Text3, MediaDialogs::BrowseFolder browseFolder, QWidget *parent = nullptr);

    void Text1_Change();
    void Command1_Click(); // 确  定
    void Command2_Click(); // 浏览
    void Command3_Click(); // 取  消

    QLabel *Label2;
    QLineEdit *Text1;
    QPushButton *Command2;
    QRadioButton *Option2; // smaller cards
    QRadioButton *Option1; // larger cards
    QPushButton *Command1;
    QPushButton *Command3;

signals:
    // The larger cards go to the folder as typed in Text1, the smaller ones to Text3's mirror.
    void makeCards(bool smallerCards, const QString &typedFolder);

private:
    void centreOnScreen();

    QLineEdit *m_text3;
    MediaDialogs::BrowseFolder m_browseFolder;
};
