#pragma once

#include "CDib.h"

#include <memory>
#include <vector>

// Owns a set of pictures and deletes them from the last to the first.
class CDibManager
{
public:
    CDibManager() = default;
    CDibManager(const CDibManager&) = delete;
    CDibManager& operator=(const CDibManager&) = delete;
    ~CDibManager();

    // Loads the bitmap resource and keeps the picture; raises CResourceException.
    CDib* Load(int resourceId);
    CDib* Add(std::unique_ptr<CDib> dib);

    int Count() const { return static_cast<int>(m_dibs.size()); }
    CDib* At(int index) const { return m_dibs.at(static_cast<std::size_t>(index)).get(); }
    void DeleteAll();

private:
    std::vector<std::unique_ptr<CDib>> m_dibs;
};
