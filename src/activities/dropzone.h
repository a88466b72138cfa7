#pragma once
// The arithmetic of dragging and dropping, apart from the widgets so every
// boundary can be checked with plain numbers. Positions and sizes are twips
// in single precision, as the activity screens hold them. Which label lies in
// which box is never stored: it is read from positions at every test.
#include <vector>

struct TwipsPoint {
    float left = 0;
    float top = 0;
    bool operator==(const TwipsPoint &) const = default;
};

struct TwipsBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    TwipsPoint corner() const { return {left, top}; }
};

// True when a label whose top-left corner is `corner` may snap into `box`:
// from half a box width left of the box to its right edge, from half a box
// height above it to its bottom edge, every comparison strict. Each bound is
// rounded to single precision before it is compared.
bool inDropZone(TwipsPoint corner, const TwipsBox &box);

// The zones a released label snapped into, in order (one thud each), and
// where it ends: the last match wins.
struct DropResult {
    std::vector<int> snaps;
    TwipsPoint corner;
};

// Tests every zone in the given order; after a snap the label's corner is the
// zone's corner, so later zones are tested against the snapped position.
DropResult dropOnZones(TwipsPoint corner, const std::vector<TwipsBox> &zonesInTestOrder);

// Pairs (label, box) where the label lies exactly in the box. Several labels
// stacked in one box each count.
int countLabelsInBoxes(const std::vector<TwipsPoint> &labels, const std::vector<TwipsPoint> &boxes);

// Labels lying in a box of their own group, label i and box i being of group
// groups[i]; several labels stacked in one box each count. With a group of
// its own for each pair, that is the labels lying in their own box (label i
// in box i); with two groups, a true/false sorting's two columns.
int groupScore(const std::vector<TwipsPoint> &labels, const std::vector<TwipsPoint> &boxes,
               const std::vector<int> &groups);

// Where a dragged label goes when the pointer is at (pointerX, pointerY),
// measured from the label's own top-left corner: its centre jumps to the
// pointer. The result is kept inside the client area so that no label can
// be dragged out of reach.
TwipsPoint followPointer(const TwipsBox &label, float pointerX, float pointerY, float clientWidth,
                         float clientHeight);
