#pragma once

#include "platform/ConnectionString.h"

#include <QString>

// The exam store and the notes store are opened with one password, built into the reader and
// into the build tool that writes both stores.
namespace PaperStores {

inline const QString Password = QStringLiteral("qm1987");

inline QString connection(const QString &storePath) {
    return ConnectionString::make(storePath, Password);
}

} // namespace PaperStores
