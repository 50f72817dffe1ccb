#pragma once

#include <QtGlobal>

#include <algorithm>
#include <memory>
#include <vector>

// The place of an object in a list that owns its objects; -1 when the list holds no such object.
template <typename T> int indexOfOwned(const std::vector<std::unique_ptr<T>> &owned, const T *item)
{
    const auto found =
        std::find_if(owned.begin(), owned.end(),
                     [item](const std::unique_ptr<T> &own) { return own.get() == item; });
    return found == owned.end() ? -1 : int(found - owned.begin());
}

// The object at a place in such a list; debug builds, the tests' among them, stop at a place out
// of range.
template <typename T> T &atOwned(const std::vector<std::unique_ptr<T>> &owned, int index)
{
    Q_ASSERT(index >= 0 && size_t(index) < owned.size());
    return *owned[size_t(index)];
}
