// Conversion between text and the bytes of a Windows code page, through
// iconv. The radio image's free text uses the system code page that the
// locale chooses.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The ANSI code page of a system locale id given as hexadecimal text
// ("407" -> 1252, "804" -> 936, "404" -> 950, "419" -> 1251, ...); 1252 for
// any locale not in the table.
int AnsiCodePageForLcid(const QString& lcidHex);

// In code page 1252 the five codes without a character (81, 8D, 8F, 90, 9D)
// stand for the control characters U+0081 .. U+009D of the same code, both
// ways, as Windows converts them.

// text in code page cp. ok is false (and the result empty) when a character
// has no form there or the code page is unknown.
QByteArray ToCodePage(const QString& text, int cp, bool* ok = nullptr);
// bytes of code page cp as text. ok is false (and the result empty) when the
// bytes are not valid in that code page.
QString FromCodePage(const QByteArray& bytes, int cp, bool* ok = nullptr);
// bytes as text one byte at a time through code page cp; a byte that is no
// character there on its own stands for itself (the character of its code).
QString FromCodePageByteWise(const QByteArray& bytes, int cp);

}  // namespace platform
