#pragma once
// Octree colour quantizer: builds a palette of at most a given number of
// colours from an image. Every pixel is added to a tree of depth 8 (one level
// per bit of the channels); whenever there are more leaves than allowed, the
// most recently made inner node of the deepest level is folded into a leaf.
#include <array>
#include <cstdint>
#include <vector>

#include "image/image.h"
#include "image/palettes.h"

namespace nimbrel {

struct OctreeNode {
    bool leaf = false;
    // 64-bit sums: a large flat image puts millions of pixels into one leaf.
    std::int64_t pixelCount = 0;
    std::int64_t redSum = 0;
    std::int64_t greenSum = 0;
    std::int64_t blueSum = 0;
    std::int32_t nextReducible = -1;
    std::array<std::int32_t, 8> children{-1, -1, -1, -1, -1, -1, -1, -1};
};

class ColorQuantizer {
public:
    ColorQuantizer(int maxColors, int colorBits = 8);

    void processImage(const Bgr24View& image);
    void addColor(int red, int green, int blue);
    // Leaf colours in tree order (children 0 to 7 depth first), each the
    // truncated mean of its pixels.
    Palette colorTable() const;
    int leafCount() const { return leafCount_; }

private:
    std::int32_t newNode(int level);
    void freeNode(std::int32_t node);
    // Folds one node into a leaf; false when nothing is left to fold.
    bool reduceTree();
    void collect(std::int32_t node, Palette& out) const;

    int maxColors_;
    int colorBits_;
    int leafCount_ = 0;
    std::int32_t root_ = -1;
    std::vector<OctreeNode> nodes_;
    std::vector<std::int32_t> freeNodes_;
    std::array<std::int32_t, 8> reducible_{-1, -1, -1, -1, -1, -1, -1, -1};
    // Recent colours and the leaves they reached, so that most pixels skip the
    // walk down the tree. A fold frees nodes and so ends every entry: entries
    // carry the fold count they were made under, and a fold only counts up.
    struct CachedLeaf {
        std::uint64_t key = ~std::uint64_t(0);  // colour | fold count << 24
        std::int32_t leaf = -1;
    };
    std::uint64_t keyOf(std::uint32_t color) const { return color | (folds_ << 24); }
    static constexpr int kCacheBits = 4;
    static int cacheSlot(std::uint32_t color)
    {
        return static_cast<int>((color * 2654435761u) >> (32 - kCacheBits));
    }
    std::uint64_t folds_ = 0;
    std::array<CachedLeaf, 1 << kCacheBits> recent_{};
};

}  // namespace nimbrel
