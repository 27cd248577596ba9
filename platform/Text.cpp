// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "Text.h"

#include "GbkCodec.h"
#include "Heap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform {

namespace {

char* copyIntoBlock(std::string_view bytes)
{
    char* block = allocate(bytes.size() + 1);
    std::memcpy(block, bytes.data(), bytes.size());
    block[bytes.size()] = '\0';
    return block;
}

} // namespace

Text::Text(const Text& other)
    : m_block(other.m_block ? copyIntoBlock(other.view()) : nullptr)
{
}

Text::Text(Text&& other) noexcept
    : m_block(std::exchange(other.m_block, nullptr))
{
}

Text& Text::operator=(const Text& other)
{
    if (this != &other)
        *this = Text(other);
    return *this;
}

Text& Text::operator=(Text&& other) noexcept
{
    std::swap(m_block, other.m_block);
    return *this;
}

Text::~Text()
{
    release(m_block);
}

std::size_t Text::length() const noexcept
{
    return m_block ? std::strlen(m_block) : 0;
}

Text Text::fromBytes(std::string_view gbk)
{
    return Text(copyIntoBlock(gbk.substr(0, std::min(gbk.size(), gbk.find('\0')))));
}

Text Text::fromLiteral(std::string_view utf8)
{
    // ASCII is the same in UTF-8 and GBK, so most literals need no conversion at all.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return fromBytes(utf8);
    return fromUtf8(utf8);
}

Text concatenate(std::initializer_list<std::reference_wrapper<const Text>> parts)
{
    std::size_t total = 0;
    for (const Text& part : parts)
        total += part.length();
    char* block = allocate(total + 1);
    char* end = block;
    for (const Text& part : parts) {
        const std::size_t length = part.length();
        std::memcpy(end, part.bytes(), length);
        end += length;
    }
    *end = '\0';
    return Text(block);
}

int compare(const Text& left, const Text& right) noexcept
{
    const int order = std::strcmp(left.bytes(), right.bytes());
    return (order > 0) - (order < 0);
}

} // namespace platform
