#pragma once
// Option buttons' round markers and check boxes' tick boxes scale with the
// one twips scale as their text does: boxes of the size the application's
// style gives them at 1:1 times the scale, the gap to the text likewise,
// drawn here from outlines with borders and marks in proportion, so they are
// crisp at any scale and alike on every platform. The rest of each control
// is the application's style's. Set on each such control when it is made.
class QStyle;

QStyle *markerStyle();
