// Scoped GDI lifetimes: a selection undone and a created object deleted when the scope ends.
#pragma once

#include <windows.h>

// Selects an object into a device context and selects the previous one back on scope exit.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC hdc, HGDIOBJ hObject) : hdc_(hdc), hPrevious_(SelectObject(hdc, hObject)) {}
    ~ScopedSelectObject()
    {
        if (hPrevious_ != nullptr && hPrevious_ != HGDI_ERROR)
            SelectObject(hdc_, hPrevious_);
    }
    ScopedSelectObject(const ScopedSelectObject &) = delete;
    ScopedSelectObject &operator=(const ScopedSelectObject &) = delete;

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
