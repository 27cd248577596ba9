// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "Pinyin.h"

#include <array>
#include <charconv>
#include <string_view>

namespace platform {

// The reading table, one line per code: four hex digits, then the readings separated by tabs.
// The build embeds the committed table file here.
extern const std::string_view gb2312PinyinTable;

namespace {

constexpr unsigned firstLead = 0xB0;
constexpr unsigned lastLead = 0xF7;
constexpr unsigned firstTrail = 0xA1;
constexpr unsigned lastTrail = 0xFE;
constexpr std::size_t cellsPerRow = lastTrail - firstTrail + 1;
constexpr std::size_t maximumReadings = 3;

struct Readings
{
    std::array<std::string_view, maximumReadings> spelling {};
    std::size_t count = 0;
};

using ReadingIndex = std::array<Readings, (lastLead - firstLead + 1) * cellsPerRow>;

// Indexes the embedded table once; the readings stay views into it.
ReadingIndex buildIndex()
{
    ReadingIndex index {};
    std::string_view table = gb2312PinyinTable;
    while (!table.empty()) {
        const std::size_t end = std::min(table.find('\n'), table.size());
        std::string_view line = table.substr(0, end);
        table.remove_prefix(std::min(end + 1, table.size()));

        unsigned code = 0;
        const auto [stop, error]
            = std::from_chars(line.data(), line.data() + std::min<std::size_t>(4, line.size()), code, 16);
        const unsigned lead = code >> 8;
        const unsigned trail = code & 0xFFu;
        if (error != std::errc() || stop != line.data() + 4 || lead < firstLead || lead > lastLead
            || trail < firstTrail || trail > lastTrail)
            continue;
        Readings& readings = index[(lead - firstLead) * cellsPerRow + (trail - firstTrail)];
        line.remove_prefix(4);
        while (line.starts_with('\t') && readings.count < maximumReadings) {
            line.remove_prefix(1);
            const std::size_t next = std::min(line.find('\t'), line.size());
            readings.spelling[readings.count++] = line.substr(0, next);
            line.remove_prefix(next);
        }
    }
    return index;
}

} // namespace

Text pinyin(const Text& text, int reading)
{
    static const ReadingIndex index = buildIndex();
    const std::string_view bytes = text.view();
    if (bytes.size() < 2)
        return {};
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const auto trail = static_cast<unsigned char>(bytes[1]);
    if (lead < firstLead || lead > lastLead || trail < firstTrail || trail > lastTrail)
        return {};
    const Readings& readings = index[(lead - firstLead) * cellsPerRow + (trail - firstTrail)];
    const std::size_t wanted = reading < 1 ? 0 : static_cast<std::size_t>(reading) - 1;
    if (wanted >= readings.count || readings.spelling[wanted].empty())
        return {};
    return Text::fromBytes(readings.spelling[wanted]);
}

} // namespace platform
