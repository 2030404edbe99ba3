// Two system libraries are loaded at the program's first call into them
// instead of before the program starts: the multimedia library (winmm), at
// the gesture clock's first tick once the frame shows, and the component
// object library (ole32), when the shell or the audio devices first need it.
// Nothing in the panel's set-up needs either, and loading them (winmm with
// the audio codec manager it brings, ole32 with the remote-call libraries)
// takes several milliseconds of a start.
//
// A call to a system function goes through the function's import slot, a
// pointer the loader fills in (or through a small function of the import
// library that jumps through it). This file defines both for the functions
// of these libraries that the program calls, the slot pointing first at a
// stub that loads the library, puts the real function into the slot and
// calls it; later calls go straight through the slot. With all of them
// defined here the linker imports nothing from either library. A function
// missing from the lists is imported as before (and its library loads with
// the program again): check with `objdump -p plovnikar.exe` that neither
// WINMM nor ole32 is among the imported DLLs. Two threads may ask for the
// same function at once (the window thread and the pads' icon thread): each
// then loads the library and writes the same address.
// Only the program links this file; the test programs import both as usual.
#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>

#include <cstdlib>
#include <type_traits>

namespace {

FARPROC LibraryFunction(HMODULE& library, const char* libraryName, const char* name)
{
    if (!library) library = LoadLibraryA(libraryName);
    const FARPROC function = library ? GetProcAddress(library, name) : nullptr;
    // A system library that cannot be loaded would have stopped the program
    // at its start before.
    if (!function) std::abort();
    return function;
}

HMODULE winmm = nullptr;
HMODULE ole32 = nullptr;

}  // namespace

// The slot's name: __imp_ and the function's name as the linker knows it
// (on 32-bit Windows with a leading underscore and the bytes of its
// arguments).
#ifdef _WIN64
#define PLOV_LINK_NAME(name, argumentBytes) #name
#else
#define PLOV_LINK_NAME(name, argumentBytes) "_" #name "@" #argumentBytes
#endif
#define PLOV_IMPORT_SLOT(name, argumentBytes) "__imp_" PLOV_LINK_NAME(name, argumentBytes)

#define PLOV_LATE(library, result, name, argumentBytes, parameters, arguments)                   \
    namespace {                                                                                  \
    result WINAPI Late_##name parameters;                                                        \
    }                                                                                            \
    static_assert(std::is_same<decltype(&Late_##name), decltype(&::name)>::value,                \
                  "the stub of " #name " has the system's signature");                           \
    decltype(&::name) slot_##name __asm__(PLOV_IMPORT_SLOT(name, argumentBytes)) = Late_##name;  \
    result WINAPI Call_##name parameters __asm__(PLOV_LINK_NAME(name, argumentBytes));           \
    result WINAPI Call_##name parameters { return slot_##name arguments; }                       \
    namespace {                                                                                  \
    result WINAPI Late_##name parameters                                                         \
    {                                                                                            \
        slot_##name = reinterpret_cast<decltype(&::name)>(                                       \
            reinterpret_cast<void (*)()>(LibraryFunction(library, #library ".dll", #name)));      \
        return slot_##name arguments;                                                            \
    }                                                                                            \
    }

PLOV_LATE(winmm, DWORD, timeGetTime, 0, (), ())
PLOV_LATE(winmm, MMRESULT, mixerOpen, 20,
          (LPHMIXER mixer, UINT device, DWORD_PTR callback, DWORD_PTR instance, DWORD flags),
          (mixer, device, callback, instance, flags))
PLOV_LATE(winmm, MMRESULT, mixerClose, 4, (HMIXER mixer), (mixer))
PLOV_LATE(winmm, MMRESULT, mixerGetDevCapsA, 12, (UINT_PTR device, LPMIXERCAPSA caps, UINT size),
          (device, caps, size))
PLOV_LATE(winmm, MMRESULT, mixerGetLineInfoA, 12, (HMIXEROBJ mixer, LPMIXERLINEA line, DWORD flags),
          (mixer, line, flags))
PLOV_LATE(winmm, MMRESULT, mixerGetLineControlsA, 12,
          (HMIXEROBJ mixer, LPMIXERLINECONTROLSA controls, DWORD flags), (mixer, controls, flags))
PLOV_LATE(winmm, MMRESULT, mixerGetControlDetailsA, 12,
          (HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags), (mixer, details, flags))
PLOV_LATE(winmm, MMRESULT, mixerSetControlDetails, 12,
          (HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags), (mixer, details, flags))

PLOV_LATE(ole32, HRESULT, CoInitialize, 4, (LPVOID reserved), (reserved))
PLOV_LATE(ole32, void, CoUninitialize, 0, (), ())
PLOV_LATE(ole32, HRESULT, CoCreateInstance, 20,
          (REFCLSID classId, LPUNKNOWN outer, DWORD context, REFIID interfaceId, LPVOID* object),
          (classId, outer, context, interfaceId, object))
PLOV_LATE(ole32, void, CoTaskMemFree, 4, (LPVOID block), (block))
