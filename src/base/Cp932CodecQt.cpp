#include "base/Cp932Codec.h"

#ifndef _WIN32

#include <QStringDecoder>
#include <QStringEncoder>

namespace tagler::cp932 {

// ICU knows the code page by several names; which are present depends on its build.
static QStringDecoder makeDecoder()
{
    QStringDecoder decoder("Shift_JIS");
    if (!decoder.isValid())
        decoder = QStringDecoder("CP932");
    return decoder;
}

static QStringEncoder makeEncoder()
{
    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        encoder = QStringEncoder("Shift_JIS");
    return encoder;
}

bool available() { return makeDecoder().isValid() && makeEncoder().isValid(); }

QString decode(std::string_view bytes)
{
    return makeDecoder().decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string encode(const QString& text)
{
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tagler::cp932

#endif
