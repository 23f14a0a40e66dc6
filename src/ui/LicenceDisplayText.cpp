#include "ui/LicenceDisplayText.h"

#include <QChar>

QString LicenceDisplayText(std::span<const std::uint8_t> bytes) {
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size()));
    if (text.startsWith(QChar::ByteOrderMark)) {
        text.remove(0, 1);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
