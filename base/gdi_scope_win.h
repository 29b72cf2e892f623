// Scoped GDI lifetimes: a selection undone, a created object deleted and a memory DC freed when the scope ends.
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
