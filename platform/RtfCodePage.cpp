#include "platform/RtfCodePage.h"

#include <array>
#include <cerrno>
#include <map>
#include <memory>

namespace {

const iconv_t failedOpen = reinterpret_cast<iconv_t>(-1);
const size_t failedConversion = static_cast<size_t>(-1);

constexpr int westernCodePage = 1252;

iconv_t openConverter(int codePage, bool toCodePage) {
    const QByteArray name = "CP" + QByteArray::number(codePage);
    return toCodePage ? iconv_open(name.constData(), "UTF-8")
                      : iconv_open("UTF-8", name.constData());
}

void resetState(iconv_t converter) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
}

} // namespace

const RtfCodePage &RtfCodePage::of(int codePage) {
    thread_local std::map<int, std::unique_ptr<RtfCodePage>> opened;
    std::unique_ptr<RtfCodePage> &entry = opened[codePage];
    if (!entry) entry.reset(new RtfCodePage(codePage));
    if (entry->isOpen() || codePage == westernCodePage) return *entry;
    opened.erase(codePage); // only known code pages are kept
    return of(westernCodePage);
}

RtfCodePage::RtfCodePage(int codePage)
    : m_decoder(openConverter(codePage, false)), m_encoder(openConverter(codePage, true)) {}

RtfCodePage::~RtfCodePage() {
    for (const iconv_t converter : {m_decoder, m_encoder})
        if (converter != failedOpen) iconv_close(converter);
}

bool RtfCodePage::isOpen() const {
    return m_decoder != failedOpen && m_encoder != failedOpen;
}

QString RtfCodePage::decode(QByteArrayView bytes) const {
    if (m_decoder == failedOpen) return QString::fromLatin1(bytes);
    QString text;
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = bytes.size();
    std::array<char, 512> buffer;
    while (inLeft > 0) {
        char *out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t result = iconv(m_decoder, &in, &inLeft, &out, &outLeft);
        // iconv writes whole characters only, so each chunk is complete UTF-8.
        text += QString::fromUtf8(buffer.data(), out - buffer.data());
        if (result == failedConversion && errno != E2BIG) {
            // An invalid or incomplete sequence: replace its first byte and go on after it.
            text += QChar::ReplacementCharacter;
            ++in;
            --inLeft;
            resetState(m_decoder);
        }
    }
    return text;
}

QByteArray RtfCodePage::encode(char32_t codePoint) const {
    // A lone surrogate is no character; Qt would turn it into a replacement that GBK holds.
    if (m_encoder == failedOpen || QChar::isSurrogate(codePoint) ||
        codePoint > QChar::LastValidCodePoint)
        return {};
    QByteArray utf8 = QString::fromUcs4(&codePoint, 1).toUtf8();
    char *in = utf8.data();
    size_t inLeft = utf8.size();
    std::array<char, 16> buffer;
    char *out = buffer.data();
    size_t outLeft = buffer.size();
    const size_t result = iconv(m_encoder, &in, &inLeft, &out, &outLeft);
    resetState(m_encoder);
    // A positive result counts irreversible substitutions: the character is not really held.
    if (result != 0 || inLeft != 0) return {};
    return QByteArray(buffer.data(), out - buffer.data());
}
