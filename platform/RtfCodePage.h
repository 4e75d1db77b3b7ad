#pragma once

#include <QByteArray>
#include <QString>
#include <iconv.h>

// Converts between Unicode and one Windows code page (936 is GBK) through iconv.
class RtfCodePage {
public:
    // The converter of a code page, made once per thread (opening one loads iconv modules).
    // A code page iconv does not know is taken as 1252, the Western one.
    static const RtfCodePage &of(int codePage);

    ~RtfCodePage();
    RtfCodePage(const RtfCodePage &) = delete;
    RtfCodePage &operator=(const RtfCodePage &) = delete;

    // Bytes that form no character of the code page become U+FFFD, one for each byte.
    QString decode(QByteArrayView bytes) const;
    // The bytes of one code point, or nothing when the code page cannot hold it.
    QByteArray encode(char32_t codePoint) const;

private:
    explicit RtfCodePage(int codePage);

    bool isOpen() const;

    iconv_t m_decoder;
    iconv_t m_encoder;
};
