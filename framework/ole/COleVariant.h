// An automation VARIANT that owns its value: copies deep, clears itself.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include "framework/ole/COleDateTime.h"
#include "framework/text/CString.h"

// The system headers name only the writable pointer.
typedef const VARIANT* LPCVARIANT;

class COleVariant : public tagVARIANT
{
public:
    COleVariant();
    COleVariant(const VARIANT& varSrc);
    COleVariant(LPCVARIANT pSrc);
    COleVariant(const COleVariant& varSrc);
    // A string (VT_BSTR).
    COleVariant(LPCTSTR lpszSrc);
    COleVariant(LPCTSTR lpszSrc, VARTYPE vtSrc);
    COleVariant(const CString& strSrc);
    COleVariant(BYTE nSrc);
    // VT_I2 or VT_BOOL.
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);
    // VT_I4, VT_ERROR or VT_BOOL.
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(int nSrc);
    COleVariant(float fltSrc);
    COleVariant(double dblSrc, VARTYPE vtSrc = VT_R8);
    // VT_DATE; a null date gives VT_NULL.
    COleVariant(const COleDateTime& dateSrc);
    ~COleVariant();

    void Clear();
    // Converts in place (or from pSrc); throws a COleException* on failure,
    // leaving the value as it was.
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = nullptr);
    // Takes the value of varSrc, which is left empty.
    void Attach(VARIANT& varSrc);
    // Hands the value over; this variant is left empty.
    VARIANT Detach();

    operator LPVARIANT() { return this; }
    operator LPCVARIANT() const { return this; }

    COleVariant& operator=(const COleVariant& varSrc);
    COleVariant& operator=(const VARIANT& varSrc);
    COleVariant& operator=(LPCVARIANT pSrc);
    COleVariant& operator=(LPCTSTR lpszSrc);
    COleVariant& operator=(const CString& strSrc);
    COleVariant& operator=(BYTE nSrc);
    COleVariant& operator=(short nSrc);
    COleVariant& operator=(long lSrc);
    COleVariant& operator=(int nSrc);
    COleVariant& operator=(float fltSrc);
    COleVariant& operator=(double dblSrc);
    COleVariant& operator=(const COleDateTime& dateSrc);

    // Same type and same value (strings compared exactly).
    bool operator==(const VARIANT& varSrc) const;
    bool operator==(LPCVARIANT pSrc) const;
    bool operator!=(const VARIANT& varSrc) const { return !(*this == varSrc); }
    bool operator!=(LPCVARIANT pSrc) const { return !(*this == pSrc); }

private:
    void SetString(LPCWSTR text, int length);
    void Copy(const VARIANT& varSrc);
};
