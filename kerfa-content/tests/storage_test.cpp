#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kerfa_content/data/storage/arena.hpp"
#include "kerfa_content/data/storage/box.hpp"
#include "kerfa_content/data/storage/list.hpp"
#include "kerfa_content/data/storage/string.hpp"

namespace kerfa_content::data::storage {
namespace {

TEST(Arena, AlignsAndServesRequestsOfAnySize) {
    Arena arena;
    for (std::size_t alignment : {1u, 2u, 4u, 8u, 16u}) {
        arena.allocate(1, 1);
        const auto address = reinterpret_cast<std::uintptr_t>(arena.allocate(3, alignment));
        EXPECT_EQ(address % alignment, 0u) << alignment;
    }
    // Larger than any block: a block of its own, and the small requests go on.
    auto* large = static_cast<char*>(arena.allocate(10 * 1024 * 1024, 8));
    large[10 * 1024 * 1024 - 1] = 'x';
    EXPECT_NE(arena.allocate(8, 8), nullptr);
    EXPECT_GE(arena.reserved_bytes(), 10u * 1024 * 1024);
    EXPECT_EQ(std::string_view(arena.copy("bytes"), 5), "bytes");
}

TEST(String, ShortTextsInPlaceLongOnesOnTheHeapOrInTheArena) {
    Arena arena;
    // The longest text held in place, the shortest held out of line, and one whose length
    // needs three bytes.
    const std::string in_place(13, 'a');
    const std::string out_of_line(14, 'b');
    const std::string long_one(70'000, 'c');
    struct Case {
        String text;
        std::string_view expected;
        bool in_arena;
    };
    const Case cases[] = {
        {String(), "", false},
        {String(in_place), in_place, false},
        {String(out_of_line), out_of_line, false},
        {String::in_arena(arena, in_place), in_place, false},
        {String::in_arena(arena, out_of_line), out_of_line, true},
        {String::in_arena(arena, "\0x\xff"), "\0x\xff", false},
        {String(long_one), long_one, false},
        {String::in_arena(arena, long_one), long_one, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text.view(), c.expected);
        EXPECT_EQ(c.text.size(), c.expected.size());
        EXPECT_EQ(c.text.empty(), c.expected.empty());
        EXPECT_EQ(c.text.in_arena(), c.in_arena);
        const String copy = c.text;  // always a text of its own
        EXPECT_EQ(copy, c.text);
        EXPECT_FALSE(copy.in_arena());
    }
}

TEST(String, MovesAssignsAndCompares) {
    String a(std::string(40, 'x'));
    String b = std::move(a);
    EXPECT_TRUE(a.empty());  // NOLINT(bugprone-use-after-move): a moved-from text is empty
    EXPECT_EQ(b.size(), 40u);
    b = "short";
    EXPECT_EQ(b, "short");
    EXPECT_EQ(b, std::string("short"));
    EXPECT_EQ(std::string_view("short"), b);
    EXPECT_LT(String("abc"), String("abd"));
    EXPECT_EQ("#" + String("fff"), "#fff");
    EXPECT_EQ(fmt::format("[{}]", String(std::string(20, 'y'))), "[" + std::string(20, 'y') + "]");
}

// Counts how many of its values were destroyed.
struct Counted {
    int* destroyed;
    explicit Counted(int* counter) : destroyed(counter) {}
    Counted(Counted&& other) noexcept : destroyed(other.destroyed) {}
    ~Counted() { ++*destroyed; }
};

TEST(Box, DestroysAlwaysAndFreesOnlyHeapValues) {
    Arena arena;
    int destroyed = 0;
    {
        auto heap = Box<Counted>::make(&destroyed);
        auto in_arena = Box<Counted>::in_arena(arena, &destroyed);
        EXPECT_FALSE(heap.in_arena());
        EXPECT_TRUE(in_arena.in_arena());
        Box<Counted> moved = std::move(heap);
        EXPECT_FALSE(heap);  // NOLINT(bugprone-use-after-move)
        EXPECT_TRUE(moved);
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(Boxed, IsItsValueWhereverItLives) {
    Arena arena;
    const Boxed<std::string> heap(std::string("value"));
    const auto in_arena = Boxed<std::string>::in_arena(arena, "value");
    EXPECT_EQ(heap, in_arena);
    const Boxed<std::string> copy = in_arena;
    EXPECT_FALSE(copy.in_arena());
    EXPECT_EQ(*copy, "value");
    EXPECT_EQ(*Boxed<std::string>(), "");
}

TEST(List, GrowsLikeAVector) {
    List<std::string> list;
    for (int i = 0; i < 100; ++i) {
        list.push_back(std::to_string(i));
    }
    list.push_back(list[0]);  // an item of the list itself, across a reallocation
    EXPECT_EQ(list.size(), 101u);
    EXPECT_EQ(list.front(), "0");
    EXPECT_EQ(list.back(), "0");
    list.pop_back();
    EXPECT_EQ(list.back(), "99");
    const List<std::string> copy = list;
    EXPECT_EQ(copy, list);
    EXPECT_EQ(std::vector<std::string>(copy.rbegin(), copy.rend()).front(), "99");
    const List<std::string> from_vector(std::vector<std::string>{"a", "b"});
    EXPECT_EQ(from_vector, (List<std::string>{"a", "b"}));
}

// Both ways of moving: items that move as bytes and items that must be moved one by one.
TEST(List, TakeExactLeavesAnEmptyListWithItsRoom) {
    List<std::string> words;
    List<int> numbers;
    for (int i = 0; i < 5; ++i) {
        words.push_back(std::string(20, static_cast<char>('a' + i)));  // too long to stay in place
        numbers.push_back(i);
    }
    const std::size_t room = words.capacity();
    const List<std::string> exact_words = words.take_exact();
    const List<int> exact_numbers = numbers.take_exact();
    EXPECT_EQ(exact_words.size(), 5u);
    EXPECT_EQ(exact_words.capacity(), 5u);
    EXPECT_EQ(exact_words.back(), std::string(20, 'e'));
    EXPECT_EQ(exact_numbers, (List<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(exact_numbers.capacity(), 5u);
    EXPECT_TRUE(words.empty());
    EXPECT_EQ(words.capacity(), room);
    words.push_back("again");
    EXPECT_EQ(words, (List<std::string>{"again"}));
    EXPECT_TRUE(numbers.empty());
    EXPECT_TRUE(List<int>().take_exact().empty());
}

TEST(List, AnArenaListThatNobodyTouchedDestroysNothing) {
    Arena arena;
    int destroyed = 0;
    std::vector<Counted> made;
    made.reserve(3);
    for (int i = 0; i < 3; ++i) {
        made.emplace_back(&destroyed);
    }
    {
        const List<Counted> list = List<Counted>::in_arena(arena, made.data(), made.size());
        EXPECT_TRUE(list.is_pristine());
        EXPECT_EQ(list.size(), 3u);
        EXPECT_EQ(list.capacity(), 3u);
    }
    EXPECT_EQ(destroyed, 0);

    // Reached for change: its items are destroyed with it.
    {
        List<Counted> list = List<Counted>::in_arena(arena, made.data(), made.size());
        (void)list[0];
        EXPECT_FALSE(list.is_pristine());
    }
    EXPECT_EQ(destroyed, 3);

    // Added to: the items move to the heap, and the list is an ordinary one from then on.
    destroyed = 0;
    {
        List<Counted> list = List<Counted>::in_arena(arena, made.data(), made.size());
        list.emplace_back(&destroyed);
        EXPECT_FALSE(list.is_pristine());
        EXPECT_EQ(list.size(), 4u);
    }
    EXPECT_EQ(destroyed, 4);  // the arena's moved-from husks are never destroyed
}

}  // namespace
}  // namespace kerfa_content::data::storage
