#pragma once

#include <QByteArray>

class QTextDocument;

// Rich text as the stores hold it: RTF with Chinese text as GBK "\'hh" bytes.
namespace Rtf {

// Replaces doc's content with the RTF text; text that is not RTF is taken as plain text.
// Malformed input never crashes or hangs: what can be read is kept, the rest is dropped.
void read(const QByteArray &rtf, QTextDocument &doc);

// The document as RTF (ASCII only: GBK "\'hh" bytes, "\uN" for characters GBK lacks).
QByteArray write(const QTextDocument &doc);

} // namespace Rtf
