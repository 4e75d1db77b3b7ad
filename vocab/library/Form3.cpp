#include "vocab/library/Form3.h"

#include "vocab/library/TipsMarker.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QSize PictureSize(350, 210);
}

Form3::Form3(QString systemFolder, QWidget *parent)
    : QWidget(parent, Qt::Dialog), m_systemFolder(std::move(systemFolder)) {
    setWindowTitle(QStringLiteral(" 操作提示"));
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = new QFrame(this);
    Picture1->setFixedSize(PictureSize);
    for (int i = 0; i < TipCount; ++i) {
        Image1[i] = new QLabel(Picture1);
        Image1[i]->setPixmap(QPixmap(QStringLiteral(":/tips/tip%1.png").arg(i)));
        Image1[i]->setGeometry(QRect(QPoint(0, 0), PictureSize));
    }

    Check1 = new QCheckBox(QStringLiteral("下次不显示"), this);
    Command2 = new QPushButton(QStringLiteral("上一条"), this);
    Command1 = new QPushButton(QStringLiteral("下一条"), this);
    connect(Check1, &QCheckBox::clicked, this, &Form3::Check1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Check1);
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    showTip(0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void Form3::showTip(int index) {
    for (QLabel *picture : Image1)
        picture->hide();
    m_tipIndex = index;
    Image1[m_tipIndex]->show();
}

void Form3::Command1_Click() {
    showTip((m_tipIndex + 1) % TipCount);
}

void Form3::Command2_Click() {
    showTip((m_tipIndex + TipCount - 1) % TipCount);
}

void Form3::Check1_Click() {
    TipsMarker::write(m_systemFolder);
}
