#include "device/BufferList.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

using device::BufferList;
using device::ByteBuffer;

TEST(BufferList, ConcatenatesInListOrderAndReportsEachWriteSize)
{
    BufferList list;
    const std::array<std::uint8_t, 3> first{1, 2, 3};
    const std::array<std::uint8_t, 1> second{4};
    list.Append(first);
    list.Append(ByteBuffer(2, 64)); // zero-filled, larger capacity
    list.Append(second);

    EXPECT_EQ(list.Concatenate(), (std::vector<std::uint8_t>{1, 2, 3, 0, 0, 4}));
    EXPECT_EQ(list.BufferSizes(), (std::vector<std::uint32_t>{3, 2, 1}));
    EXPECT_EQ(list.TotalBytes(), 6u);
    EXPECT_EQ(list[1].capacity(), 64u);
}

TEST(BufferList, MoveHandsOverTheBuffersWithoutCopying)
{
    BufferList list;
    const std::array<std::uint8_t, 4> bytes{9, 8, 7, 6};
    const std::size_t index = list.Append(bytes);
    const std::uint8_t* storage = list[index].data();

    BufferList taken = std::move(list);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].data(), storage);

    BufferList swapped;
    swapped.swap(taken);
    EXPECT_TRUE(taken.empty());
    EXPECT_EQ(swapped[0].data(), storage);
}

TEST(BufferList, IndicesStayValidWhileTheListGrows)
{
    // The upload encoder fills the page record after the rest of the list is built.
    BufferList list;
    const std::size_t page = list.Append(ByteBuffer(84));
    for (int i = 0; i < 100; ++i) {
        list.Append(ByteBuffer(4));
    }
    list[page].data()[1] = 5;
    EXPECT_EQ(list.Concatenate()[1], 5);
}
