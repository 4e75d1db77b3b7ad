#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// The two entry points of a fuzz target, called by libFuzzer or by the replay driver. Every
// target defines LLVMFuzzerTestOneInput; LLVMFuzzerInitialize, shared by all, starts Qt.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace Fuzz {

// The password of the reader's stores, so that the store seeds are stores the reader opens.
inline const QString StorePassword = QStringLiteral("qm1987");

// The input's bytes, copied so that the code under test may keep them.
QByteArray bytes(const uint8_t *data, size_t size);

// Ends the run as a finding when a property does not hold; the fuzzer keeps the input.
void require(bool holds, const char *property);

// A folder of this process for the files a target writes; it is removed at exit.
const QString &scratchFolder();

// Replaces the file with the bytes; failing to is a finding, since the folder is our own.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace Fuzz
