#include "CResourceException.h"

#include <string>

CResourceException::CResourceException(int resourceId, const char* reason)
    : std::runtime_error("resource " + std::to_string(resourceId) + ": " + reason),
      m_nResourceId(resourceId)
{
}
