#include "platform/ProtectedStore.h"

#include <QFile>
#include <QSaveFile>
#include <array>
#include <sodium.h>

namespace ProtectedStore {
namespace {

constexpr char Magic[] = "LFSTORE1";
constexpr qsizetype MagicSize = 8;
constexpr qsizetype NonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr qsizetype TagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr char KeyContext[] = "Lumenfold store key v1:";

using Key = std::array<unsigned char, crypto_aead_xchacha20poly1305_ietf_KEYBYTES>;

// BLAKE2b of a fixed context and the password. The password is built into the programs,
// so a deliberately slow password hash would protect nothing more.
Key keyFor(const QString &password) {
    const QByteArray material = QByteArray(KeyContext) + password.toUtf8();
    Key key{};
    crypto_generichash(key.data(), key.size(),
                       reinterpret_cast<const unsigned char *>(material.constData()),
                       size_t(material.size()), nullptr, 0);
    return key;
}

bool sodiumReady() {
    return sodium_init() >= 0;
}

const unsigned char *bytes(const QByteArray &array) {
    return reinterpret_cast<const unsigned char *>(array.constData());
}

} // namespace

std::optional<QByteArray> load(const QString &path, const QString &password) {
    QFile file(path);
    if (!sodiumReady() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    if (data.size() < MagicSize + NonceSize + TagSize || !data.startsWith(Magic))
        return std::nullopt;
    const QByteArray nonce = data.mid(MagicSize, NonceSize);
    const QByteArray cipher = data.mid(MagicSize + NonceSize);
    const Key key = keyFor(password);
    QByteArray image(cipher.size() - TagSize, Qt::Uninitialized);
    unsigned long long imageSize = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char *>(image.data()),
                                                   &imageSize, nullptr, bytes(cipher),
                                                   size_t(cipher.size()), bytes(QByteArray(Magic)),
                                                   MagicSize, bytes(nonce), key.data()) != 0)
        return std::nullopt;
    image.resize(qsizetype(imageSize));
    return image;
}

bool save(const QString &path, const QString &password, const QByteArray &image,
          const std::function<bool()> &beforeRename) {
    if (!sodiumReady()) return false;
    QByteArray nonce(NonceSize, Qt::Uninitialized);
    randombytes_buf(nonce.data(), size_t(nonce.size()));
    QByteArray cipher(image.size() + TagSize, Qt::Uninitialized);
    unsigned long long cipherSize = 0;
    const Key key = keyFor(password);
    crypto_aead_xchacha20poly1305_ietf_encrypt(reinterpret_cast<unsigned char *>(cipher.data()),
                                               &cipherSize, bytes(image), size_t(image.size()),
                                               bytes(QByteArray(Magic)), MagicSize, nullptr,
                                               bytes(nonce), key.data());
    cipher.resize(qsizetype(cipherSize));

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QByteArray(Magic, MagicSize) + nonce + cipher);
    if (beforeRename && !beforeRename()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace ProtectedStore
