#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>

#include "gfx/stream.h"

namespace {

using gfx::Bytes;
using gfx::MemoryStream;

TEST(GfxMemoryStream, HoldsABoundedCopyOfTheBytes) {
    Bytes bytes{1, 2, 3, 4, 5};
    MemoryStream s;
    IStream* stream = s.fromBytes(bytes);
    ASSERT_NE(stream, nullptr);
    bytes.assign(5, 0xEE);  // the caller's copy is not the stream's
    Bytes read(8);
    ULONG n = 0;
    stream->Read(read.data(), 8, &n);
    EXPECT_EQ(Bytes(read.begin(), read.begin() + n), (Bytes{1, 2, 3, 4, 5}));

    // A larger block is zero-filled; a smaller one takes only what fits.
    ASSERT_NE(s.fromBytes(Bytes{9, 8, 7}, 5), nullptr);
    EXPECT_EQ(s.toBytes(), (Bytes{9, 8, 7, 0, 0}));
    ASSERT_NE(s.fromBytes(Bytes{9, 8, 7}, 2), nullptr);
    EXPECT_EQ(s.toBytes(), (Bytes{9, 8}));

    EXPECT_TRUE(s.release());
    EXPECT_FALSE(s.release());
    EXPECT_EQ(s.stream(), nullptr);
    EXPECT_TRUE(s.toBytes().empty());
}

TEST(GfxMemoryStream, WrittenStreamsGiveTheirWholeBlock) {
    MemoryStream empty;
    ASSERT_NE(empty.fromBytes({}), nullptr);
    ASSERT_EQ(empty.stream()->Write("abc", 3, nullptr), S_OK);
    Bytes grown = empty.toBytes();
    ASSERT_GE(grown.size(), 3u);
    EXPECT_EQ(grown.size(), empty.size());
    EXPECT_EQ(grown[2], 'c');

    IStream* made = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, &made), S_OK);
    made->Write("xyz", 3, nullptr);
    MemoryStream attached;
    ASSERT_TRUE(attached.attach(made));
    EXPECT_EQ(attached.stream(), made);
    ASSERT_GE(attached.toBytes().size(), 3u);
    EXPECT_EQ(attached.toBytes()[1], 'y');

    MemoryStream moved = std::move(attached);
    EXPECT_EQ(attached.stream(), nullptr);
    EXPECT_EQ(moved.stream(), made);
    EXPECT_FALSE(moved.attach(nullptr));  // releases what it held
    EXPECT_EQ(moved.globalHandle(), nullptr);
}

}  // namespace
