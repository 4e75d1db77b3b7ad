#pragma once

#include <QTreeWidget>

// The tree of years and parts. Moving through it with the keys makes another node current
// without a click; the tree says so, so that the window can show that node as a click does.
class PaperTree : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;

signals:
    void currentChangedByKey();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
