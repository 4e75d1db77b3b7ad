#pragma once

#include <QColor>
#include <QString>

class QTextCursor;
class QTextDocument;

// How notes look: the hint every note holds until the student writes one, and the format the
// whole note takes when it is saved.
namespace NoteFormat {

inline const QString HintText = QStringLiteral("双击可保存学习笔记");
constexpr double HintPointSize = 10.0;
constexpr int HintIndentTwips = 45;
inline const QColor HintColour = QColor(128, 128, 128);

constexpr double NotePointSize = 10.0;

// Replaces doc's content with the hint: one line in Song, 10 points, grey, indented 45 twips.
void writeHint(QTextDocument &doc);

// True when doc holds the hint and nothing else: a note the student has not written yet.
bool isHint(const QTextDocument &doc);

// The grey of the application's workspace background, the colour of a saved note.
QColor workspaceGrey();

// Gives the selected text the note format: Song, 10 points, colour, plain weight, upright.
void apply(QTextCursor &selection, const QColor &colour);

} // namespace NoteFormat
