#include "toolkit/common/images/XTIconHandle.h"

CXTIconHandle::CXTIconHandle(HICON hIcon)
    : m_hIcon(hIcon)
{
}

CXTIconHandle::~CXTIconHandle()
{
    Assign(nullptr);
}

void CXTIconHandle::Assign(HICON hIcon)
{
    if (m_hIcon && m_hIcon != hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
}

CXTIconHandle& CXTIconHandle::operator=(HICON hIcon)
{
    Assign(hIcon);
    return *this;
}
