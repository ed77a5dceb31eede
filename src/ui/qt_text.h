#pragma once

// The core speaks UTF-8 for the program's own texts and UTF-16 code units for
// what the user typed; these are the only conversions at the Qt boundary.

#include <QString>
#include <string>
#include <string_view>

namespace orvanta::ui {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::u16string ToUtf16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

// Label texts may carry "&" as a mnemonic marker; screen readers get the text
// the user reads, without it.
inline QString WithoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

}  // namespace orvanta::ui
