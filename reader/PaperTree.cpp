#include "reader/PaperTree.h"

void PaperTree::keyPressEvent(QKeyEvent *event) {
    const QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != before) emit currentChangedByKey();
}
