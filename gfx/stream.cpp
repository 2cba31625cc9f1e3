#include "gfx/stream.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace gfx {

MemoryStream::MemoryStream(MemoryStream&& o) noexcept
    : memory_(std::exchange(o.memory_, nullptr)), stream_(std::exchange(o.stream_, nullptr)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& o) noexcept {
    if (this != &o) {
        release();
        memory_ = std::exchange(o.memory_, nullptr);
        stream_ = std::exchange(o.stream_, nullptr);
    }
    return *this;
}

IStream* MemoryStream::fromBytes(std::span<const BYTE> bytes, std::optional<std::size_t> size) {
    release();
    std::size_t blockSize = size.value_or(bytes.size());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
    if (!memory) return nullptr;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, FALSE, &stream)) || !stream) {
        GlobalFree(memory);
        return nullptr;
    }
    std::size_t count = std::min(blockSize, bytes.size());
    if (count > 0) {
        void* p = GlobalLock(memory);
        if (!p) {
            stream->Release();
            GlobalFree(memory);
            return nullptr;
        }
        std::memcpy(p, bytes.data(), count);
        GlobalUnlock(memory);
    }
    memory_ = memory;
    stream_ = stream;
    return stream_;
}

bool MemoryStream::release() {
    if (!stream_ && !memory_) return false;
    // The stream goes first: it must not outlive the block it reads.
    if (stream_) std::exchange(stream_, nullptr)->Release();
    if (memory_) GlobalFree(std::exchange(memory_, nullptr));
    return true;
}

bool MemoryStream::attach(IStream* stream) {
    release();
    if (!stream) return false;
    stream_ = stream;
    HGLOBAL memory = nullptr;
    if (FAILED(GetHGlobalFromStream(stream, &memory)) || !memory) return false;
    memory_ = memory;
    return true;
}

std::size_t MemoryStream::size() const { return memory_ ? GlobalSize(memory_) : 0; }

Bytes MemoryStream::toBytes() const {
    if (!memory_) return {};
    std::size_t n = GlobalSize(memory_);
    if (n == 0) return {};
    const void* p = GlobalLock(memory_);
    if (!p) return {};
    const auto* first = static_cast<const unsigned char*>(p);
    Bytes bytes(first, first + n);
    GlobalUnlock(memory_);
    return bytes;
}

}  // namespace gfx
