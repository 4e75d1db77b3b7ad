#pragma once

#include <QString>

class Paths;
class Speaker;

// What Vocadrill prepares before its main window opens: the system folder, the word library
// folders with the default list, and the speech object.
namespace VocabStartUp {

inline const QString DefaultCollection = QStringLiteral("2011研究生大纲词汇");
inline const QString DefaultList = QStringLiteral("2011年研究生大纲词汇");
constexpr int DefaultListResource = 106;

QString defaultListPath(const QString &programFolder);

// Runs the start-up steps, each skipped when it fails. An existing default list is kept, with
// the new-word marks the student made in it. Returns whether the tips window is to open.
bool run(const Paths &paths, Speaker &speaker);

} // namespace VocabStartUp
