#include "TextBridge.h"

#include "text/Cp1252.h"

std::string ToCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            out += static_cast<char>(c.unicode());
            continue;
        }
        const auto byte = Utf8ToCp1252(QString(c).toStdString());
        out += (byte && byte->size() == 1) ? (*byte)[0] : '?';
    }
    return out;
}

QString FromCp1252(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}
