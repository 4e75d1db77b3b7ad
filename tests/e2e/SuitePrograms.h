#pragma once

#include "DesktopSession.h"
#include "platform/WordListFile.h"

#include <QPoint>
#include <QString>

// The programs of this build and where a student finds their controls on screen: the points
// are in window pixels, read off the windows as they open on the session's display (no window
// manager, so windows keep the size and place they ask for).
namespace SuitePrograms {

inline const QString Examvault = QStringLiteral(EXAMVAULT_PROGRAM);
inline const QString Vocadrill = QStringLiteral(VOCADRILL_PROGRAM);
inline const QString GeneratedFolder = QStringLiteral(GENERATED_DIR);

inline const QString ReaderTitle = QStringLiteral("Examvault(1995-2010) V2.0");
// The toolbar's first button, "Vocadrill", under the menu bar at the window's left.
constexpr QPoint VocadrillButton(50, 46);

inline const QString DrillTitle = QStringLiteral("Vocadrill");
// The first collection of the library tree, and its first list once the collection is open.
constexpr QPoint FirstCollectionNode(60, 89);
constexpr QPoint FirstListNode(90, 109);
// The menu 文件, the range's end "至", the speed box and the buttons under the word display.
constexpr QPoint FileMenu(28, 12);
constexpr QPoint RangeEndField(373, 333);
constexpr QPoint SpeedBox(518, 362);
constexpr QPoint RecordButton(288, 397);
constexpr QPoint SaveButton(511, 397);

// The save dialog and its file-name field.
inline const QString SaveDialogTitle = QStringLiteral("保存");
constexpr QPoint SaveDialogFileName(310, 358);

// The word-card dialog, its folder field and its 确  定.
inline const QString CardsTitle = QStringLiteral("制作单词卡片");
constexpr QPoint CardFolderField(200, 22);
constexpr QPoint CardsOkButton(290, 86);

// The default list, relative to the folder that holds the word library.
inline const QString DefaultList =
    QStringLiteral("word/2011研究生大纲词汇/2011年研究生大纲词汇.wrd");

// Opens the default list in a Vocadrill window: a click opens the collection, then the list
// is clicked until its file shows it open (the tree shows the list only once the collection's
// click has been handled).
inline bool openDefaultList(const DesktopSession &session, const QString &window,
                            const QString &libraryFolder) {
    const QString list = libraryFolder + '/' + DefaultList;
    auto listIsOpen = [&list] {
        return WordListFile::readHeaderByte(list) == WordListFile::OpenByte;
    };
    session.click(window, FirstCollectionNode);
    return DesktopSession::waitUntil([&] {
        session.click(window, FirstListNode);
        return DesktopSession::waitUntil(listIsOpen, 1000);
    });
}

} // namespace SuitePrograms
