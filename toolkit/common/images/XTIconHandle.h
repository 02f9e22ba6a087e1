// Owns one icon handle and destroys it when replaced or when going away.
#pragma once
#include <windows.h>

class CXTIconHandle
{
public:
    CXTIconHandle() = default;
    explicit CXTIconHandle(HICON hIcon);
    virtual ~CXTIconHandle();
    CXTIconHandle(const CXTIconHandle&) = delete;
    CXTIconHandle& operator=(const CXTIconHandle&) = delete;

    // Destroys the icon held so far and takes this one.
    void Assign(HICON hIcon);
    CXTIconHandle& operator=(HICON hIcon);

    operator HICON() const { return m_hIcon; }

private:
    HICON m_hIcon = nullptr;
};
