// Takes any bytes both as a protected store file and as the database image a store protects.
// As a file, opening it must go wrong in no way. As an image, saved and loaded again it must
// come back unchanged, yet not open with another password nor after one byte of the file
// changed; then it is read and edited as the notes store is, one row at a time.
#include "fuzz/FuzzSupport.h"
#include "platform/ConnectionString.h"
#include "platform/ProtectedStore.h"
#include "platform/RecordSet.h"

namespace {

const QString KeyColumn = QStringLiteral("mc");
const QString NoteColumn = QStringLiteral("bak");

// Reads every note, then opens each part's row by its key and rewrites its note.
void readAndEditNotes(const QString &path) {
    const QString connection = ConnectionString::make(path, Fuzz::StorePassword);
    RecordSet all;
    all.open(QStringLiteral("select * from dat"), connection);
    QStringList keys;
    for (; !all.eof(); all.moveNext())
        keys << all.field(KeyColumn);
    all.close();
    for (const QString &key : keys) {
        RecordSet row;
        row.setLockType(RecordSet::LockType::Optimistic);
        if (!row.open(QStringLiteral("select * from dat where mc=?"), connection,
                      RecordSet::CursorType::Unspecified, {key}))
            continue;
        row.setField(NoteColumn, row.field(NoteColumn) + QStringLiteral("{\\rtf1 more}"));
        row.update();
    }
}

void checkImageRoundTrip(const QString &path, const QByteArray &image) {
    Fuzz::require(ProtectedStore::save(path, Fuzz::StorePassword, image), "a store can be saved");
    Fuzz::require(ProtectedStore::load(path, Fuzz::StorePassword) == image,
                  "a saved image loads unchanged");
    Fuzz::require(!ProtectedStore::load(path, Fuzz::StorePassword + "x"),
                  "a store does not open with another password");

    const QByteArray file = Fuzz::readFile(path);
    QByteArray tampered = file;
    tampered[image.size() % file.size()] ^= 0x20;
    Fuzz::writeFile(path, tampered);
    Fuzz::require(!ProtectedStore::load(path, Fuzz::StorePassword),
                  "a changed store does not open");
    Fuzz::writeFile(path, file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input = Fuzz::bytes(data, size);
    const QString path = Fuzz::scratchFolder() + "/note.dll";

    Fuzz::writeFile(path, input);
    readAndEditNotes(path);

    checkImageRoundTrip(path, input);
    readAndEditNotes(path);
    return 0;
}
