// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>

namespace platform {

// The runtime heap that every text block comes from. allocate() never returns empty-handed:
// when the process cannot supply a block it raises the fatal run-time error that names the
// requested size.
char* allocate(std::size_t size);

// Gives a block back; a null block is ignored.
void release(char* block) noexcept;

// Test seam: makes every request for exactly this many bytes fail, as if memory had run out.
// std::nullopt restores the normal heap.
void refuseAllocationsOfSize(std::optional<std::size_t> size);

// Test seam: the number of blocks handed out and not yet given back, so that a test can check
// that every text made along the way has been released.
std::size_t liveBlockCount() noexcept;

} // namespace platform
