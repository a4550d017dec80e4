#include "platform/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace platform {

namespace {

struct LcidCodePage {
    int lcid;
    int cp;
};

constexpr LcidCodePage Table[] = {
    {0x409, 1252}, {0x809, 1252}, {0x407, 1252}, {0x40C, 1252}, {0x410, 1252}, {0x40A, 1252},
    {0x413, 1252}, {0x416, 1252}, {0x816, 1252}, {0x41D, 1252}, {0x406, 1252}, {0x414, 1252},
    {0x804, 936},  {0x1004, 936}, {0x404, 950},  {0xC04, 950},  {0x1404, 950}, {0x411, 932},
    {0x412, 949},  {0x419, 1251}, {0x422, 1251}, {0x402, 1251}, {0x415, 1250}, {0x405, 1250},
    {0x40E, 1250}, {0x41B, 1250}, {0x424, 1250}, {0x41A, 1250}, {0x418, 1250}, {0x408, 1253},
    {0x41F, 1254}, {0x40D, 1255}, {0x401, 1256}, {0x425, 1257}, {0x426, 1257}, {0x427, 1257},
    {0x42A, 1258}, {0x41E, 874},
};

// Runs bytes through one iconv conversion; false on any character it cannot
// convert or an unknown code page.
bool Convert(const char* to, const char* from, const QByteArray& in, QByteArray& out) {
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string input(in.constData(), static_cast<std::size_t>(in.size()));
    char* src = input.data();
    std::size_t srcLeft = input.size();
    std::string buffer(input.size() * 4 + 16, '\0');
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    bool ok = true;
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                const std::size_t used = buffer.size() - dstLeft;
                buffer.resize(buffer.size() * 2);
                dst = buffer.data() + used;
                dstLeft = buffer.size() - used;
                continue;
            }
            ok = false;  // EILSEQ or EINVAL: no form in the target, or a cut sequence
            break;
        }
    }
    if (ok && iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1)) ok = false;
    iconv_close(cd);
    if (ok) out = QByteArray(buffer.data(), static_cast<qsizetype>(buffer.size() - dstLeft));
    return ok;
}

QByteArray CodePageName(int cp) { return "CP" + QByteArray::number(cp); }

}  // namespace

int AnsiCodePageForLcid(const QString& lcidHex) {
    bool ok = false;
    const int lcid = lcidHex.trimmed().toInt(&ok, 16);
    if (ok)
        for (const auto& e : Table)
            if (e.lcid == lcid) return e.cp;
    return 1252;
}

QByteArray ToCodePage(const QString& text, int cp, bool* ok) {
    QByteArray out;
    const bool good = Convert(CodePageName(cp).constData(), "UTF-8", text.toUtf8(), out);
    if (ok) *ok = good;
    return good ? out : QByteArray();
}

QString FromCodePage(const QByteArray& bytes, int cp, bool* ok) {
    QByteArray out;
    const bool good = Convert("UTF-8", CodePageName(cp).constData(), bytes, out);
    if (ok) *ok = good;
    return good ? QString::fromUtf8(out) : QString();
}

QString FromCodePageByteWise(const QByteArray& bytes, int cp) {
    QString out;
    for (const char c : bytes) {
        bool ok = false;
        const QString one = FromCodePage(QByteArray(1, c), cp, &ok);
        out += (ok && one.size() == 1) ? one : QString(QChar::fromLatin1(c));
    }
    return out;
}

}  // namespace platform
