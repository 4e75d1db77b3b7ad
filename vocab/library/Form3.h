#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

// The tips window: pages through six pictures of operating tips, "下一条" forward and "上一条"
// back, both wrapping around. Any click on "下次不显示" writes the marker that keeps the window
// from opening at the next start-up.
class Form3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int TipCount = 6;

    explicit Form3(QString systemFolder, QWidget *parent = nullptr);

    int tipIndex() const { return m_tipIndex; }

    void Command1_Click(); // next
    void Command2_Click(); // previous
    void Check1_Click();

    QFrame *Picture1;
    std::array<QLabel *, TipCount> Image1{};
    QPushButton *Command1;
    QPushButton *Command2;
    QCheckBox *Check1;

private:
    void showTip(int index);

    QString m_systemFolder;
    int m_tipIndex = 0;
};
