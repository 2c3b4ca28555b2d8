#include "GridLayout.h"

#include <algorithm>

namespace gridlayout {
namespace {

int Count(const Axis& axis)
{
    return static_cast<int>(axis.sizes.size());
}

int Step(const Axis& axis, int index)
{
    return axis.sizes[static_cast<size_t>(index)] + axis.lineWidth;
}

} // namespace

int FixedExtent(const Axis& axis)
{
    int extent = 0;
    for (int i = 0; i < std::min(axis.fixedCount, Count(axis)); ++i)
        extent += Step(axis, i);
    return extent;
}

std::optional<int> CellStart(const Axis& axis, int index)
{
    if (index < 0 || index >= Count(axis))
        return std::nullopt;
    int position = 0;
    if (index < axis.fixedCount) {
        for (int i = 0; i < index; ++i)
            position += Step(axis, i);
        return position;
    }
    if (index < axis.first)
        return std::nullopt;
    position = FixedExtent(axis);
    for (int i = axis.first; i < index; ++i)
        position += Step(axis, i);
    return position;
}

int CellAt(const Axis& axis, int pixel, int extent)
{
    if (pixel < 0 || pixel >= extent)
        return -1;
    int position = 0;
    for (int i = 0; i < Count(axis); ++i) {
        if (i == axis.fixedCount)
            i = std::max(i, axis.first);
        if (i >= Count(axis))
            break;
        position += Step(axis, i);
        if (pixel < position)
            return i;
    }
    return -1;
}

int LastVisible(const Axis& axis, int extent)
{
    int last = -1;
    int position = 0;
    for (int i = 0; i < Count(axis) && position < extent; ++i) {
        if (i == axis.fixedCount)
            i = std::max(i, axis.first);
        if (i >= Count(axis))
            break;
        last = i;
        position += Step(axis, i);
    }
    return last;
}

int MaxFirst(const Axis& axis, int extent)
{
    const int count = Count(axis);
    if (count <= axis.fixedCount)
        return axis.fixedCount;
    const int room = extent - FixedExtent(axis);
    int first = count - 1;
    int used = Step(axis, first);
    while (first > axis.fixedCount && used + Step(axis, first - 1) <= room) {
        --first;
        used += Step(axis, first);
    }
    return first;
}

int FirstToShow(const Axis& axis, int index, int extent)
{
    if (index < axis.fixedCount || index >= Count(axis))
        return axis.first;
    if (index < axis.first)
        return index;
    const int room = extent - FixedExtent(axis);
    int first = axis.first;
    auto endOf = [&](int from) {
        int position = 0;
        for (int i = from; i < index; ++i)
            position += Step(axis, i);
        return position + axis.sizes[static_cast<size_t>(index)];
    };
    while (first < index && endOf(first) > room)
        ++first;
    return first;
}

} // namespace gridlayout
