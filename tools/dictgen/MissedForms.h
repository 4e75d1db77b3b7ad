#pragma once

#include "tools/dictgen/EcdictRow.h"
#include "tools/dictgen/GeneratedEntry.h"

#include <QHash>
#include <vector>

// Entries for the inflected forms that a lookup would show wrongly: forms no suffix rule leads
// to an entry ("lying", "tying"), and forms whose stripped stem is another word ("using": us,
// "caring": car, "severed": severe). Each names its base and what it is ("sever的过去式和过去
// 分词"). Appended after all other entries, they change no earlier lookup, and a lookup of the
// form then finds it at once.
namespace MissedForms {

// The entries to append to entries so that every inflected form of its single words shows
// itself or its base. An appended form may in turn be the stripped stem of
// another form, so the check runs again over the grown file until nothing is missed.
std::vector<GeneratedEntry> entries(const std::vector<GeneratedEntry> &entries,
                                    const QHash<QString, const EcdictRow *> &rowsByWord);

} // namespace MissedForms
