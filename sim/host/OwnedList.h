#pragma once

#include <algorithm>
#include <memory>
#include <vector>

namespace hostsim {

// Host records are owned in vectors; their addresses are the handles plug-ins see, so every
// handle a plug-in passes in is looked up before it is trusted.
template <typename T>
T* FindOwned(const std::vector<std::unique_ptr<T>>& list, const T* wanted)
{
    for (const auto& candidate : list)
        if (candidate.get() == wanted)
            return candidate.get();
    return nullptr;
}

// Where `wanted` is in the list, or end(): for erasing a record by its handle.
template <typename T>
auto PositionOf(std::vector<std::unique_ptr<T>>& list, const T* wanted)
{
    return std::find_if(list.begin(), list.end(),
                        [wanted](const auto& candidate) { return candidate.get() == wanted; });
}

template <typename T>
std::vector<const T*> ViewsOf(const std::vector<std::unique_ptr<T>>& list)
{
    std::vector<const T*> views;
    for (const auto& item : list)
        views.push_back(item.get());
    return views;
}

}  // namespace hostsim
