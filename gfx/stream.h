#pragma once
// A stream over one block of movable global memory, the form in which GDI+
// reads encoded pictures and writes saved ones.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>

#include "gfx/types.h"

struct IStream;

namespace gfx {

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& o) noexcept;
    MemoryStream& operator=(MemoryStream&& o) noexcept;
    ~MemoryStream() { release(); }

    // Replaces what is held by a new zero-filled block of `size` bytes (the
    // byte count when absent) holding a copy of the bytes, and a stream on
    // it positioned at the start.  Bytes beyond the block are not copied.
    // Returns the stream; null, and nothing held, when either cannot be made.
    IStream* fromBytes(std::span<const BYTE> bytes, std::optional<std::size_t> size = std::nullopt);

    // Releases the stream and frees its block; false when nothing was held.
    bool release();

    // Takes over the caller's reference to a stream on global memory and the
    // block under it, which this object frees on release.  The stream must
    // not free the block itself (made with fDeleteOnRelease FALSE).  True
    // when the block was found; the stream is kept (and released) either way.
    bool attach(IStream* stream);

    // The size of the whole block, which a stream that was written to may
    // have grown beyond the data written.
    std::size_t size() const;
    IStream* stream() const { return stream_; }
    HGLOBAL globalHandle() const { return memory_; }

    // A copy of the whole block (size() bytes); empty when nothing is held.
    Bytes toBytes() const;

private:
    HGLOBAL memory_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace gfx
