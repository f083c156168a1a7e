// The texts a recordset hands out are right whether or not a column looks
// for repeats, and a column that stopped looking shares repeats again once
// they come.
#include "text_cache.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace {

using platform::ado::detail::TextCache;

class TextCacheTest : public ::testing::Test {
protected:
    // Every read gets bytes of its own, as rows of a recordset do.
    QString read(int column, std::string text)
    {
        const std::string& bytes = held_.emplace_back(std::move(text));
        return cache_.text(column, bytes.data(), int(bytes.size()));
    }

    TextCache cache_{2};

private:
    std::deque<std::string> held_;
};

TEST_F(TextCacheTest, ColumnOfDistinctNamesStopsLookingWithoutTouchingItsNeighbour)
{
    QString earlierType;
    for (int i = 0; i < TextCache::Sample + TextCache::Rest; ++i) {
        const std::string name = "Catalogo " + std::to_string(i);
        ASSERT_EQ(read(0, name), QString::fromStdString(name));
        const QString type = read(1, "Ordinario");
        ASSERT_EQ(type, "Ordinario");
        if (i > 0) {
            ASSERT_TRUE(type.isSharedWith(earlierType)) << "read " << i;
        }
        earlierType = type;
    }
}

TEST_F(TextCacheTest, ColumnThatTurnsToRepeatsSharesThemAgain)
{
    for (int i = 0; i < TextCache::Sample; ++i)
        read(0, "Catalogo " + std::to_string(i));
    // Resting: the same name read again is right, though not looked for.
    EXPECT_EQ(read(0, "Catalogo 3"), "Catalogo 3");

    QString earlier = read(0, "Italia");
    bool sharedAgain = false;
    for (int i = 0; i < TextCache::Rest + TextCache::Sample && !sharedAgain; ++i) {
        const QString again = read(0, "Italia");
        ASSERT_EQ(again, "Italia");
        sharedAgain = again.isSharedWith(earlier);
        earlier = again;
    }
    EXPECT_TRUE(sharedAgain);
}

}  // namespace
