#pragma once
// Texts kept end to end, a fixed number of texts to a block: a list of
// thousands of short texts takes a few dozen small allocations instead of
// one per text, and growing never copies the list as a whole.
//
// A window with a long list fills it again at every load; the blocks of a
// list that is cleared or destroyed wait for the next list (up to 64 of them,
// some 16,000 texts), so that a reloaded list works in memory the program
// already has rather than in fresh memory from the system, each new page of
// which costs a fault when first written.
//
//   PackedTexts names;
//   names.append(u"Italia");
//   names.at(0);  // "Italia"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform::forms {

class PackedTexts {
public:
    PackedTexts() = default;
    PackedTexts(const PackedTexts&) = delete;
    PackedTexts& operator=(const PackedTexts&) = delete;
    ~PackedTexts() { clear(); }

    int size() const { return count_; }

    QString at(int index) const
    {
        const Block& block = *blocks_[static_cast<std::size_t>(index / TextsPerBlock)];
        const int slot = index % TextsPerBlock;
        const std::size_t start = slot == 0 ? 0 : block.ends[static_cast<std::size_t>(slot - 1)];
        const std::size_t end = block.ends[static_cast<std::size_t>(slot)];
        return QString(reinterpret_cast<const QChar*>(block.chars.data() + start), static_cast<qsizetype>(end - start));
    }

    void append(QStringView text)
    {
        if (count_ % TextsPerBlock == 0)
            blocks_.push_back(takeBlock());
        Block& block = *blocks_.back();
        block.chars.insert(block.chars.end(), text.utf16(), text.utf16() + text.size());
        block.ends[static_cast<std::size_t>(count_ % TextsPerBlock)] = static_cast<std::uint32_t>(block.chars.size());
        ++count_;
    }

    void clear();

private:
    static constexpr int TextsPerBlock = 256;
    static constexpr std::size_t CharsPerBlock = TextsPerBlock * 16;  // room for names of average length

    struct Block {
        std::vector<char16_t> chars;  // the texts, one after the other
        std::array<std::uint32_t, static_cast<std::size_t>(TextsPerBlock)> ends;  // where each ends in chars
    };

    static std::vector<std::unique_ptr<Block>>& spare();
    static std::unique_ptr<Block> takeBlock();
    static void giveBack(std::unique_ptr<Block> block);

    std::vector<std::unique_ptr<Block>> blocks_;
    int count_ = 0;
};

}  // namespace platform::forms
