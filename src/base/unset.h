#pragma once
// The value stored in a coordinate that holds no position: an unset box or point,
// the mouse outside a canvas, no drag in progress. Test for it before using one.
constexpr int kUnset = -19775;
