// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "Heap.h"

#include "FatalError.h"

#include <cstdlib>
#include <string>

namespace platform {

namespace {

std::optional<std::size_t> refusedSize;
std::size_t liveBlocks = 0;

} // namespace

char* allocate(std::size_t size)
{
    void* block = (refusedSize && *refusedSize == size) ? nullptr : std::malloc(size);
    if (!block) {
        refusedSize.reset();
        fatalRuntimeError("分配 " + std::to_string(size) + " 字节内存失败!");
    }
    ++liveBlocks;
    return static_cast<char*>(block);
}

void release(char* block) noexcept
{
    if (block)
        --liveBlocks;
    std::free(block);
}

void refuseAllocationsOfSize(std::optional<std::size_t> size)
{
    refusedSize = size;
}

std::size_t liveBlockCount() noexcept
{
    return liveBlocks;
}

} // namespace platform
