// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string_view>

namespace platform {

// A text is a GBK byte string ended by a zero byte, held in its own block of the runtime heap.
// A default-constructed text is missing: it has no block at all, yet it behaves as the empty
// text everywhere (length 0, equal to "", adds nothing to a concatenation). A text owns its
// block: copying makes a fresh block and the end of its life gives the block back.
class Text
{
public:
    Text() noexcept = default;
    Text(const Text& other);
    Text(Text&& other) noexcept;
    Text& operator=(const Text& other);
    Text& operator=(Text&& other) noexcept;
    ~Text();

    // Copies GBK bytes into a fresh block. The copy stops at the first zero byte, since a
    // text cannot hold one. An empty range still makes a block: the empty text.
    static Text fromBytes(std::string_view gbk);

    // The one way a literal of the program's UTF-8 source becomes a text: it is converted to
    // GBK, with "?" for a character that GBK cannot hold.
    static Text fromLiteral(std::string_view utf8);

    bool isMissing() const noexcept { return m_block == nullptr; }
    // The number of bytes before the terminating zero; 0 for a missing text.
    std::size_t length() const noexcept;
    // The bytes with their terminating zero; "" for a missing text.
    const char* bytes() const noexcept { return m_block ? m_block : ""; }
    std::string_view view() const noexcept { return { bytes(), length() }; }

private:
    explicit Text(char* block) noexcept
        : m_block(block)
    {
    }
    friend Text concatenate(std::initializer_list<std::reference_wrapper<const Text>> parts);

    char* m_block = nullptr;
};

// Joins the parts in order into one fresh block, even when every part is empty.
Text concatenate(std::initializer_list<std::reference_wrapper<const Text>> parts);

// Compares byte by byte as unsigned values and returns -1, 0 or 1. A missing text compares as "".
int compare(const Text& left, const Text& right) noexcept;

} // namespace platform
