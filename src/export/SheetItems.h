#pragma once

#include <QtGlobal>
#include <algorithm>
#include <span>
#include <vector>

// The lines of a computed sheet: its array, as far as the sheet's count says.
template <class Item> std::span<const Item> SheetItems(const std::vector<Item>& items, qint32 count)
{
    const size_t n = count < 0 ? 0 : std::min(items.size(), size_t(count));
    return std::span<const Item>(items.data(), n);
}
