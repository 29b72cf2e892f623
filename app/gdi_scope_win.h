// Scoped GDI helpers: a selection, a created object and a memory DC each undo themselves.
#pragma once

#include <windows.h>

// Deletes a created pen, brush, font or bitmap when the scope ends.
template <typename T>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(T h = nullptr) : h_(h) {}
    ~ScopedGdiObject()
    {
        if (h_)
            DeleteObject(h_);
    }
    ScopedGdiObject(const ScopedGdiObject &) = delete;
    ScopedGdiObject &operator=(const ScopedGdiObject &) = delete;
    T get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    T h_;
};

// Selects an object into a DC and puts the previous one back when the scope ends.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC hdc, HGDIOBJ h) : hdc_(hdc), hPrevious_(h ? SelectObject(hdc, h) : nullptr) {}
    ~ScopedSelectObject()
    {
        if (hPrevious_ && hPrevious_ != HGDI_ERROR)
            SelectObject(hdc_, hPrevious_);
    }
    ScopedSelectObject(const ScopedSelectObject &) = delete;
    ScopedSelectObject &operator=(const ScopedSelectObject &) = delete;
    // False when the selection failed and nothing will be restored.
    explicit operator bool() const { return hPrevious_ && hPrevious_ != HGDI_ERROR; }

private:
    HDC hdc_;
    HGDIOBJ hPrevious_;
};

// A memory DC compatible with another, deleted when the scope ends.
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC hdcCompatible) : hdc_(CreateCompatibleDC(hdcCompatible)) {}
    ~ScopedMemoryDC()
    {
        if (hdc_)
            DeleteDC(hdc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC &) = delete;
    ScopedMemoryDC &operator=(const ScopedMemoryDC &) = delete;
    HDC get() const { return hdc_; }
    explicit operator bool() const { return hdc_ != nullptr; }

private:
    HDC hdc_;
};
