#include "vocab/media/MediaDialogs.h"

#include <QDir>
#include <QFileDialog>

QString MediaDialogs::askSaveFile(QWidget *owner, const QString &filter) {
    return QFileDialog::getSaveFileName(owner, SaveTitle, QDir::homePath(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString MediaDialogs::askFolder(QWidget *owner) {
    return QFileDialog::getExistingDirectory(owner, QString(), QDir::homePath(),
                                             QFileDialog::ShowDirsOnly);
}
