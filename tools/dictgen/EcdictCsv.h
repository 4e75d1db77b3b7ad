#pragma once

#include "tools/dictgen/EcdictRow.h"

#include <QByteArray>
#include <vector>

// Reads the word data's CSV file: UTF-8, a header row naming the columns, standard quoting.
namespace EcdictCsv {

std::vector<EcdictRow> parse(const QByteArray &csv);
// A missing file reads as no rows.
std::vector<EcdictRow> read(const QString &path);

} // namespace EcdictCsv
