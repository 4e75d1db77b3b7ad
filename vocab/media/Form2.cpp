#include "vocab/media/Form2.h"

#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

Form2::Form2(QLineEdit *Text3, MediaDialogs::BrowseFolder browseFolder, QWidget *parent)
    : QDialog(parent), m_text3(Text3), m_browseFolder(std::move(browseFolder)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Caption);

    Label2 = new QLabel(QStringLiteral("保存文件夹"));
    Text1 = new QLineEdit(QDir::homePath() + QStringLiteral("/"));
    Text1->setMinimumWidth(260);
    Command2 = new QPushButton(QStringLiteral("浏览"));
    Option2 = new QRadioButton(QStringLiteral("较小尺寸"));
    Option1 = new QRadioButton(QStringLiteral("较大尺寸"));
    Option2->setChecked(true);
    Command1 = new QPushButton(QStringLiteral("确  定"));
    Command3 = new QPushButton(QStringLiteral("取  消"));
    Command1->setDefault(true);

    auto *sizes = new QHBoxLayout;
    sizes->addWidget(Option2);
    sizes->addWidget(Option1);
    sizes->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Command2, 0, 2);
    grid->addLayout(sizes, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 3);

    // The folder field starts with a trailing separator, its mirror without one.
    m_text3->setText(QDir::homePath());
    Text1->setCursorPosition(int(Text1->text().size()));
    connect(Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    centreOnScreen();
}

void Form2::centreOnScreen() {
    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void Form2::Text1_Change() {
    m_text3->setText(QString(Text1->text()).replace(QStringLiteral("//"), QStringLiteral("/")));
}

void Form2::Command1_Click() {
    hide();
    emit makeCards(Option2->isChecked(), Text1->text());
    close();
}

void Form2::Command2_Click() {
    const QString folder = m_browseFolder(this).trimmed();
    if (folder.isEmpty()) return;
    Text1->setText(folder);
    Text1->setCursorPosition(int(folder.size()));
}

void Form2::Command3_Click() {
    close();
}
