#include "activities/dropzone.h"

#include <algorithm>

bool inDropZone(TwipsPoint corner, const TwipsBox &box)
{
    const double l = box.left, t = box.top, w = box.width, h = box.height;
    const float leftBound = float(l - w / 2);
    const float rightBound = float(l + w);
    const float topBound = float(t - h / 2);
    const float bottomBound = float(t + h);
    return leftBound < corner.left && corner.left < rightBound && topBound < corner.top && corner.top < bottomBound;
}

DropResult dropOnZones(TwipsPoint corner, const std::vector<TwipsBox> &zonesInTestOrder)
{
    DropResult result{{}, corner};
    for (int i = 0; i < int(zonesInTestOrder.size()); ++i) {
        if (inDropZone(result.corner, zonesInTestOrder[i])) {
            result.corner = zonesInTestOrder[i].corner();
            result.snaps.push_back(i);
        }
    }
    return result;
}

int countLabelsInBoxes(const std::vector<TwipsPoint> &labels, const std::vector<TwipsPoint> &boxes)
{
    int count = 0;
    for (const TwipsPoint &label : labels)
        count += int(std::count(boxes.begin(), boxes.end(), label));
    return count;
}

int standardScore(const std::vector<TwipsPoint> &labels, const std::vector<TwipsPoint> &boxes)
{
    int score = 0;
    const size_t n = std::min(labels.size(), boxes.size());
    for (size_t i = 0; i < n; ++i)
        score += labels[i] == boxes[i] ? 1 : 0;
    return score;
}

int groupingScore(const std::vector<TwipsPoint> &labels, const std::vector<TwipsPoint> &boxes)
{
    constexpr size_t kColumn = 5;
    int score = 0;
    for (size_t box = 0; box < boxes.size(); ++box) {
        const size_t first = box < kColumn ? 0 : kColumn;
        for (size_t j = 0; j < kColumn; ++j)
            if (first + j < labels.size() && labels[first + j] == boxes[box])
                ++score;
    }
    return score;
}

TwipsPoint followPointer(const TwipsBox &label, float pointerX, float pointerY, float clientWidth,
                         float clientHeight)
{
    float left = label.left + pointerX - label.width / 2;
    float top = label.top + pointerY - label.height / 2;
    left = std::clamp(left, 0.0f, std::max(0.0f, clientWidth - label.width));
    top = std::clamp(top, 0.0f, std::max(0.0f, clientHeight - label.height));
    return {left, top};
}
