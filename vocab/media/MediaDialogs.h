#pragma once

#include <QString>
#include <functional>

class QWidget;

// The save dialog and the folder browser of the media commands, kept in replaceable functions
// so that tests can give the answer a student would. An empty answer means cancelled.
struct MediaDialogs {
    using SaveFile = std::function<QString(QWidget *owner, const QString &filter)>;
    using BrowseFolder = std::function<QString(QWidget *owner)>;

    static inline const QString SaveTitle = QStringLiteral("保存");
    static inline const QString Mp3Filter = QStringLiteral("mp3(*.mp3)");
    static inline const QString TextFilter = QStringLiteral("txt(*.txt)");

    // Starts in the home folder, asks nothing about an existing file and adds no extension.
    static QString askSaveFile(QWidget *owner, const QString &filter);
    // Only folders can be chosen; the dialog has no title.
    static QString askFolder(QWidget *owner);

    SaveFile saveFile = askSaveFile;
    BrowseFolder browseFolder = askFolder;
};
