// GDI lifetimes paired by construction: scoped selections, objects and DCs, and kept memory bitmaps.
#pragma once

#include <windows.h>

// Selects an object into a device context and selects the previous one back on scope exit.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC hdc, HGDIOBJ hObject)
        : hdc_(hdc), hPrevious_(hObject != nullptr ? SelectObject(hdc, hObject) : nullptr)
    {
    }
    ~ScopedSelectObject()
    {
        if (*this)
            SelectObject(hdc_, hPrevious_);
    }
    ScopedSelectObject(const ScopedSelectObject &) = delete;
    ScopedSelectObject &operator=(const ScopedSelectObject &) = delete;
    // False when the selection failed and nothing will be put back.
    explicit operator bool() const { return hPrevious_ != nullptr && hPrevious_ != HGDI_ERROR; }

private:
    HDC hdc_;
    HGDIOBJ hPrevious_;
};

// Owns a created font, pen, brush or bitmap and deletes it on scope exit.
template <typename T>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(T hObject) : hObject_(hObject) {}
    ~ScopedGdiObject()
    {
        if (hObject_ != nullptr)
            DeleteObject(hObject_);
    }
    ScopedGdiObject(const ScopedGdiObject &) = delete;
    ScopedGdiObject &operator=(const ScopedGdiObject &) = delete;

    T get() const { return hObject_; }
    operator T() const { return hObject_; }

private:
    T hObject_;
};

// A window's device context, released on scope exit.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND hWnd) : hWnd_(hWnd), hdc_(GetDC(hWnd)) {}
    ~ScopedGetDC()
    {
        if (hdc_ != nullptr)
            ReleaseDC(hWnd_, hdc_);
    }
    ScopedGetDC(const ScopedGetDC &) = delete;
    ScopedGetDC &operator=(const ScopedGetDC &) = delete;

    HDC get() const { return hdc_; }
    operator HDC() const { return hdc_; }

private:
    HWND hWnd_;
    HDC hdc_;
};

// A memory device context compatible with another, deleted on scope exit.
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC hdcCompatible) : hdc_(CreateCompatibleDC(hdcCompatible)) {}
    ~ScopedMemoryDC()
    {
        if (hdc_ != nullptr)
            DeleteDC(hdc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC &) = delete;
    ScopedMemoryDC &operator=(const ScopedMemoryDC &) = delete;

    HDC get() const { return hdc_; }
    operator HDC() const { return hdc_; }

private:
    HDC hdc_;
};

// A memory DC with a bitmap of its own selected into it, kept beyond one call: the
// off-screen images. A plain record, so the globals that hold one need no constructor.
struct MemoryBitmap {
    HDC hdc;
    HBITMAP hbm;
    HGDIOBJ hbmOriginal;  // what the DC held before; put back before the bitmap goes
};

// Selects hbm into a new DC compatible with hdcCompatible; the record owns hbm from
// then on, also on failure, when nothing is kept and the result is false.
inline bool MakeMemoryBitmap(MemoryBitmap *pBitmap, HDC hdcCompatible, HBITMAP hbm)
{
    *pBitmap = {hbm != nullptr ? CreateCompatibleDC(hdcCompatible) : nullptr, hbm, nullptr};
    if (pBitmap->hdc != nullptr)
        pBitmap->hbmOriginal = SelectObject(pBitmap->hdc, hbm);
    if (pBitmap->hbmOriginal != nullptr && pBitmap->hbmOriginal != HGDI_ERROR)
        return true;
    pBitmap->hbmOriginal = nullptr;
    if (pBitmap->hdc != nullptr)
        DeleteDC(pBitmap->hdc);
    if (hbm != nullptr)
        DeleteObject(hbm);
    *pBitmap = {};
    return false;
}

inline void FreeMemoryBitmap(MemoryBitmap *pBitmap)
{
    if (pBitmap->hdc != nullptr) {
        // The bitmap cannot be deleted while it is still selected.
        if (pBitmap->hbmOriginal != nullptr)
            SelectObject(pBitmap->hdc, pBitmap->hbmOriginal);
        DeleteDC(pBitmap->hdc);
    }
    if (pBitmap->hbm != nullptr)
        DeleteObject(pBitmap->hbm);
    *pBitmap = {};
}
