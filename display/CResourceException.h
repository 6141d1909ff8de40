#pragma once

#include <stdexcept>

// Raised when one of the program's own resources (a bitmap) is missing or
// cannot be read. The pages let it pass: a missing picture is a broken build,
// not something a pupil can repair.
class CResourceException : public std::runtime_error
{
public:
    CResourceException(int resourceId, const char* reason);

    int ResourceId() const { return m_nResourceId; }

private:
    int m_nResourceId;
};
