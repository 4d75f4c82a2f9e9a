#include "ui/sections/taxpayer/FramePersonNameMask.h"

#include <algorithm>
#include <initializer_list>

namespace SeriesMask {

namespace {

// The document kinds that share one shape.
struct KindShape
{
    TEditType shape;
    std::initializer_list<int> kinds;
};

TEditType shapeOf(std::initializer_list<KindShape> table, int docKind, TEditType current)
{
    for (const KindShape& row : table) {
        if (std::find(row.kinds.begin(), row.kinds.end(), docKind) != row.kinds.end())
            return row.shape;
    }
    return current;
}

} // namespace

TEditType KindAtBuilding(int docKind, TEditType current)
{
    return shapeOf({{TEditType::edtR_BB, {1, 3}},
                    {TEditType::edt99, {2, 9, 22}},
                    {TEditType::edtBB, {4, 6}},
                    {TEditType::edtNone2, {5, 11, 12, 13, 14, 91}},
                    {TEditType::edtBB0, {7, 26, 27}},
                    {TEditType::edtNone1, {10}},
                    {TEditType::edt99_, {21}}},
                   docKind, current);
}

TEditType KindAtPicking(int docKind, TEditType current)
{
    return shapeOf({{TEditType::edt99, {2, 9, 22}},
                    {TEditType::edtBB, {4, 6}},
                    {TEditType::edtNone1, {3, 5, 10, 11, 12, 13, 14, 15, 18, 23, 91}},
                    {TEditType::edtBB0, {7, 24, 26, 27}},
                    {TEditType::edt99_, {21}}},
                   docKind, current);
}

} // namespace SeriesMask
