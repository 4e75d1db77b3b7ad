#include "platform/Rtf.h"

#include "platform/RtfCodePage.h"
#include "platform/RtfConstants.h"
#include "platform/RtfReader.h"
#include "platform/RtfWriter.h"

#include <QTextDocument>

void Rtf::read(const QByteArray &rtf, QTextDocument &doc) {
    // Loading is not an edit: keep it off the undo stack.
    const bool undoRedo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    if (rtf.startsWith("{\\rtf"))
        RtfReader(doc).read(rtf);
    else
        doc.setPlainText(RtfCodePage::of(RtfConstants::gbkCodePage).decode(rtf));
    doc.setUndoRedoEnabled(undoRedo);
}

QByteArray Rtf::write(const QTextDocument &doc) {
    return RtfWriter(doc).write();
}
