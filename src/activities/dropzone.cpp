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

int groupScore(const std::vector<TwipsPoint> &labels, const std::vector<TwipsPoint> &boxes,
               const std::vector<int> &groups)
{
    int score = 0;
    const size_t n = std::min({labels.size(), boxes.size(), groups.size()});
    for (size_t box = 0; box < n; ++box)
        for (size_t label = 0; label < n; ++label)
            if (groups[label] == groups[box] && labels[label] == boxes[box])
                ++score;
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
