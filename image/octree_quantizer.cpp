#include "image/octree_quantizer.h"

namespace nimbrel {

ColorQuantizer::ColorQuantizer(int maxColors, int colorBits) : maxColors_(maxColors), colorBits_(colorBits)
{
    nodes_.reserve(512);
}

std::int32_t ColorQuantizer::newNode(int level)
{
    std::int32_t index;
    if (!freeNodes_.empty()) {
        index = freeNodes_.back();
        freeNodes_.pop_back();
        nodes_[index] = OctreeNode();
    } else {
        index = static_cast<std::int32_t>(nodes_.size());
        nodes_.emplace_back();
    }
    OctreeNode& node = nodes_[index];
    if (level == colorBits_) {
        node.leaf = true;
        ++leafCount_;
    } else {
        node.nextReducible = reducible_[level];
        reducible_[level] = index;
    }
    return index;
}

void ColorQuantizer::freeNode(std::int32_t node)
{
    freeNodes_.push_back(node);
}

void ColorQuantizer::addColor(int red, int green, int blue)
{
    const std::uint32_t color = static_cast<std::uint32_t>(red | (green << 8) | (blue << 16));
    CachedLeaf& cached = recent_[cacheSlot(color)];
    std::int32_t node = cached.leaf;
    if (cached.key != keyOf(color)) {
        if (root_ < 0) root_ = newNode(0);
        node = root_;
        for (int level = 0; !nodes_[node].leaf; ++level) {
            const int shift = 7 - level;
            const int child =
                (((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) | ((blue >> shift) & 1);
            std::int32_t next = nodes_[node].children[child];
            if (next < 0) {
                next = newNode(level + 1);  // may move nodes_, so index again below
                nodes_[node].children[child] = next;
            }
            node = next;
        }
        cached = {keyOf(color), node};
    }
    OctreeNode& leaf = nodes_[node];
    ++leaf.pixelCount;
    leaf.redSum += red;
    leaf.greenSum += green;
    leaf.blueSum += blue;
}

bool ColorQuantizer::reduceTree()
{
    int level = colorBits_ - 1;
    while (level > 0 && reducible_[level] < 0) --level;
    const std::int32_t index = reducible_[level];
    if (index < 0) return false;
    reducible_[level] = nodes_[index].nextReducible;

    OctreeNode& node = nodes_[index];
    int children = 0;
    for (std::int32_t& child : node.children) {
        if (child < 0) continue;
        const OctreeNode& c = nodes_[child];
        node.pixelCount += c.pixelCount;
        node.redSum += c.redSum;
        node.greenSum += c.greenSum;
        node.blueSum += c.blueSum;
        freeNode(child);
        child = -1;
        ++children;
    }
    node.leaf = true;
    leafCount_ -= children - 1;
    ++folds_;
    return true;
}

void ColorQuantizer::processImage(const Bgr24View& image)
{
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width; ++x, p += 3) {
            const std::uint32_t color = static_cast<std::uint32_t>(p[2] | (p[1] << 8) | (p[0] << 16));
            const CachedLeaf& cached = recent_[cacheSlot(color)];
            if (cached.key == keyOf(color)) {
                OctreeNode& leaf = nodes_[cached.leaf];
                ++leaf.pixelCount;
                leaf.redSum += p[2];
                leaf.greenSum += p[1];
                leaf.blueSum += p[0];
                continue;
            }
            addColor(p[2], p[1], p[0]);
            while (leafCount_ > maxColors_ && reduceTree()) {
            }
        }
    }
}

void ColorQuantizer::collect(std::int32_t index, Palette& out) const
{
    const OctreeNode& node = nodes_[index];
    if (node.leaf) {
        if (node.pixelCount == 0) {
            out.push_back({0, 0, 0});
        } else {
            out.push_back({std::uint8_t(node.redSum / node.pixelCount),
                           std::uint8_t(node.greenSum / node.pixelCount),
                           std::uint8_t(node.blueSum / node.pixelCount)});
        }
        return;
    }
    for (std::int32_t child : node.children)
        if (child >= 0) collect(child, out);
}

Palette ColorQuantizer::colorTable() const
{
    Palette colors;
    if (root_ >= 0) collect(root_, colors);
    return colors;
}

}  // namespace nimbrel
