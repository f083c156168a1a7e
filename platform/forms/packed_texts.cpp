#include "forms/packed_texts.h"

namespace platform::forms {

namespace {

constexpr std::size_t SpareBlocks = 64;

}  // namespace

// Blocks no list is using.  Lists belong to widgets, which live on the GUI
// thread alone; the store outlives every list, even one destroyed while the
// program exits.
std::vector<std::unique_ptr<PackedTexts::Block>>& PackedTexts::spare()
{
    static auto* blocks = new std::vector<std::unique_ptr<PackedTexts::Block>>;
    return *blocks;
}

void PackedTexts::clear()
{
    for (auto& block : blocks_)
        giveBack(std::move(block));
    blocks_.clear();
    count_ = 0;
}

std::unique_ptr<PackedTexts::Block> PackedTexts::takeBlock()
{
    auto& blocks = spare();
    if (blocks.empty()) {
        auto block = std::make_unique<Block>();
        block->chars.reserve(CharsPerBlock);
        return block;
    }
    auto block = std::move(blocks.back());
    blocks.pop_back();
    return block;
}

void PackedTexts::giveBack(std::unique_ptr<Block> block)
{
    auto& blocks = spare();
    // A block grown for very long texts is not kept.
    if (blocks.size() < SpareBlocks && block->chars.capacity() <= 4 * CharsPerBlock) {
        block->chars.clear();
        blocks.push_back(std::move(block));
    }
}

}  // namespace platform::forms
