#include "CDibManager.h"

CDibManager::~CDibManager()
{
    DeleteAll();
}

CDib* CDibManager::Load(int resourceId)
{
    return Add(std::make_unique<CDib>(resourceId));
}

CDib* CDibManager::Add(std::unique_ptr<CDib> dib)
{
    m_dibs.push_back(std::move(dib));
    return m_dibs.back().get();
}

void CDibManager::DeleteAll()
{
    while (!m_dibs.empty())
        m_dibs.pop_back();
}
