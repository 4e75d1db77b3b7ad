#pragma once

#include <QPixmap>
#include <QWidget>

// A panel that fills itself with a picture, scaled to cover it and centred, so any panel size
// shows the picture without bands. Children (the article pane) are drawn over it.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    explicit PicturePanel(const QString &picturePath, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
