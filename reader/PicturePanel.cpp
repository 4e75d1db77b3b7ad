#include "reader/PicturePanel.h"

#include <QPainter>

PicturePanel::PicturePanel(const QString &picturePath, QWidget *parent)
    : QWidget(parent), m_picture(picturePath) {}

void PicturePanel::paintEvent(QPaintEvent *) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize scaled = m_picture.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
    const QRect target(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2),
                       scaled);
    painter.drawPixmap(target, m_picture);
}
