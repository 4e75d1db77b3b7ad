#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// A password-protected store file: a whole SQLite database image, encrypted and authenticated
// with XChaCha20-Poly1305. Layout: magic "LFSTORE1", 24-byte nonce, ciphertext with its tag.
namespace ProtectedStore {

// The decrypted image, or nothing when the file is missing, not a store, tampered with, or
// the password is wrong.
std::optional<QByteArray> load(const QString &path, const QString &password);

// Encrypts the image to a temporary file beside path and renames it over path. When
// beforeRename is given and returns false, the write is abandoned and path stays as it was.
bool save(const QString &path, const QString &password, const QByteArray &image,
          const std::function<bool()> &beforeRename = {});

} // namespace ProtectedStore
