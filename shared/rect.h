#pragma once

// A rectangle as the drawing code measures it: right and bottom lie just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect &other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};
