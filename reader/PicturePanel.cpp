#include "reader/PicturePanel.h"

#include <QPainter>

namespace {
constexpr int MarginLineWidth = 2;
}

PicturePanel::PicturePanel(const QString &picturePath, QWidget *parent)
    : QWidget(parent), m_picture(picturePath) {}

void PicturePanel::setMarginLine(int x, const QColor &colour) {
    m_marginLineX = x;
    m_marginLineColour = colour;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize scaled = m_picture.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
    const QRect target(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2),
                       scaled);
    painter.drawPixmap(target, m_picture);
    if (m_marginLineX >= 0)
        painter.fillRect(QRect(m_marginLineX, 0, MarginLineWidth, height()), m_marginLineColour);
}
