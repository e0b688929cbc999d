#pragma once

// Cell alignment codes: a vertical part (1 top, 2 middle, 3 bottom) plus a
// horizontal part (4 left, 8 centre, 12 right), so the codes the tables use read
// 5 left-top, 6 left-middle, 10 centred, 14 right-middle.
namespace GridAlignment {

enum Code : int {
    LeftTop = 5,
    LeftMiddle = 6,
    Centre = 10,
    RightMiddle = 14,
};

enum class Horizontal { Left, Centre, Right };
enum class Vertical { Top, Middle, Bottom };

constexpr Horizontal horizontal(int code)
{
    const int part = (code / 4) % 4;
    return part == 2 ? Horizontal::Centre : part == 3 ? Horizontal::Right : Horizontal::Left;
}

constexpr Vertical vertical(int code)
{
    const int part = code % 4;
    return part == 1 ? Vertical::Top : part == 3 ? Vertical::Bottom : Vertical::Middle;
}

} // namespace GridAlignment
