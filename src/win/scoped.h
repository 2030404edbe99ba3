// Small holders that give back what a command or a paint takes (device
// contexts, GDI objects and their selections, kernel handles, menus, COM
// interfaces) when it ends, so nothing outlives the command that took it.
#pragma once
#include <windows.h>

template <typename Handle>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~ScopedGdiObject() { Reset(nullptr); }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    Handle get() const { return handle_; }
    // Deletes what it holds and holds `handle` instead.
    void Reset(Handle handle)
    {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_;
};

class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelectObject() { SelectObject(dc_, previous_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's client-area device context (GetDC / ReleaseDC).
class ScopedWindowDC {
public:
    explicit ScopedWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDC() { Release(); }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
    HDC get() const { return dc_; }
    // Gives the context back before the holder goes.
    void Release()
    {
        if (dc_) ReleaseDC(window_, dc_);
        dc_ = nullptr;
    }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context (CreateCompatibleDC / DeleteDC).
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDC()
    {
        if (dc_) DeleteDC(dc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A kernel handle such as a file (CloseHandle); INVALID_HANDLE_VALUE and null
// both hold nothing.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
    // Closes now; false when the system reports the close failed (a write
    // that could not be completed).
    bool Close()
    {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = nullptr;
        return closed;
    }
    // Closes what it holds and holds `handle` instead.
    void Reset(HANDLE handle)
    {
        Close();
        handle_ = handle;
    }

private:
    HANDLE handle_;
};

// A loaded or created menu (DestroyMenu, which takes its submenus along).
class ScopedMenu {
public:
    explicit ScopedMenu(HMENU menu) : menu_(menu) {}
    ~ScopedMenu()
    {
        if (menu_) DestroyMenu(menu_);
    }
    ScopedMenu(const ScopedMenu&) = delete;
    ScopedMenu& operator=(const ScopedMenu&) = delete;
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

// An icon the program loaded (DestroyIcon).
class ScopedIcon {
public:
    explicit ScopedIcon(HICON icon = nullptr) : icon_(icon) {}
    ~ScopedIcon() { Reset(nullptr); }
    ScopedIcon(const ScopedIcon&) = delete;
    ScopedIcon& operator=(const ScopedIcon&) = delete;
    HICON get() const { return icon_; }
    void Reset(HICON icon)
    {
        if (icon_) DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_;
};

// A library loaded on demand (FreeLibrary).
class ScopedLibrary {
public:
    ScopedLibrary() = default;
    ~ScopedLibrary()
    {
        if (module_) FreeLibrary(module_);
    }
    ScopedLibrary(const ScopedLibrary&) = delete;
    ScopedLibrary& operator=(const ScopedLibrary&) = delete;
    // Loads the library unless it is loaded; false when it cannot be.
    bool Load(const char* name)
    {
        if (!module_) module_ = LoadLibraryA(name);
        return module_ != nullptr;
    }
    HMODULE get() const { return module_; }

private:
    HMODULE module_ = nullptr;
};

// A COM interface pointer, released when the holder goes.
template <typename Interface>
class ScopedComPtr {
public:
    ScopedComPtr() = default;
    ~ScopedComPtr()
    {
        if (pointer_) pointer_->Release();
    }
    ScopedComPtr(const ScopedComPtr&) = delete;
    ScopedComPtr& operator=(const ScopedComPtr&) = delete;
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    // Where a creating call stores the pointer.
    void** out() { return reinterpret_cast<void**>(&pointer_); }
    // Lets go of the pointer now.
    void reset()
    {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }

private:
    Interface* pointer_ = nullptr;
};
