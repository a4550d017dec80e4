#include "core/Records.h"

#include <bit>
#include <cstring>

namespace ulbrix {

void LayoutWriter::f64(const double& x) {
    auto u = std::bit_cast<std::uint64_t>(x);
    for (int i = 0; i < 8; ++i) out.push_back((u >> (8 * i)) & 0xFF);
}

void LayoutReader::f64(double& x) {
    need(8);
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= std::uint64_t(p[pos + i]) << (8 * i);
    x = std::bit_cast<double>(u);
    pos += 8;
}

Bytes ChannelToBytes(const ChannelRecord& r) {
    LayoutWriter w;
    DescribeChannel(w, r);
    return w.out;
}

ChannelRecord ChannelFromBytes(const std::uint8_t* p, std::size_t n) {
    ChannelRecord r;
    LayoutReader rd(p, n);
    rd.need(ChannelRecordDiskSize);
    DescribeChannel(rd, r);
    return r;
}

Bytes DocumentToBytes(const DocumentImage& d) {
    LayoutWriter w;
    DescribeDocument(w, d);
    return w.out;
}

DocumentImage DocumentFromBytes(const std::uint8_t* p, std::size_t n) {
    DocumentImage d;
    LayoutReader rd(p, n);
    rd.need(DocumentImageDiskSize);
    DescribeDocument(rd, d);
    return d;
}

Bytes SettingsToBytes(const GeneralSettingsRecord& s) {
    LayoutWriter w;
    DescribeSettings(w, s);
    return w.out;
}

Bytes HeaderToBytes(const FileHeader& h) {
    LayoutWriter w;
    DescribeHeader(w, h);
    return w.out;
}

}  // namespace ulbrix
