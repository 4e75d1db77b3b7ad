#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A panel that fills itself with a picture, scaled to cover it and centred, so any panel size
// shows the picture without bands. Children (the article pane) are drawn over it.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    explicit PicturePanel(const QString &picturePath, QWidget *parent = nullptr);

    // Draws a thin vertical line x pixels from the left edge over the picture, like the margin
    // line of a notebook page. It keeps its place whatever the panel's size, so text can be
    // kept clear of it.
    void setMarginLine(int x, const QColor &colour);
    // The margin line's distance from the left edge; -1 without one.
    int marginLineX() const { return m_marginLineX; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    int m_marginLineX = -1;
    QColor m_marginLineColour;
};
