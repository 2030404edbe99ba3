// The multimedia library (winmm) is loaded at the program's first call into
// it, the gesture clock's first tick once the frame shows, instead of before
// the program starts: loading it, with the audio codec manager it brings,
// takes several milliseconds of a start that nothing in the panel's set-up
// needs it for.
//
// A call to a system function goes through the function's import slot, a
// pointer the loader fills in (or through a small function of the import
// library that jumps through it). This file defines both for the winmm
// functions the program calls, the slot pointing first at a stub that loads
// the library, puts the real function into the slot and calls it; later
// calls go straight through the slot. With all of them defined here the
// linker imports nothing from winmm. A winmm function missing from the list is imported as
// before (and the library loads with the program again): check with
// `objdump -p plovnikar.exe` that WINMM is not among the imported DLLs.
// Only the program links this file; the test programs import winmm as usual.
#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <type_traits>

namespace {

FARPROC WinmmFunction(const char* name)
{
    static HMODULE library = nullptr;
    if (!library) library = LoadLibraryA("winmm.dll");
    const FARPROC function = library ? GetProcAddress(library, name) : nullptr;
    // A system library that cannot be loaded would have stopped the program
    // at its start before.
    if (!function) std::abort();
    return function;
}

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

#define PLOV_LATE_WINMM(result, name, argumentBytes, parameters, arguments)                     \
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
            reinterpret_cast<void (*)()>(WinmmFunction(#name)));                                 \
        return slot_##name arguments;                                                            \
    }                                                                                            \
    }

PLOV_LATE_WINMM(DWORD, timeGetTime, 0, (), ())
PLOV_LATE_WINMM(MMRESULT, mixerOpen, 20,
                (LPHMIXER mixer, UINT device, DWORD_PTR callback, DWORD_PTR instance, DWORD flags),
                (mixer, device, callback, instance, flags))
PLOV_LATE_WINMM(MMRESULT, mixerClose, 4, (HMIXER mixer), (mixer))
PLOV_LATE_WINMM(MMRESULT, mixerGetDevCapsA, 12, (UINT_PTR device, LPMIXERCAPSA caps, UINT size),
                (device, caps, size))
PLOV_LATE_WINMM(MMRESULT, mixerGetLineInfoA, 12, (HMIXEROBJ mixer, LPMIXERLINEA line, DWORD flags),
                (mixer, line, flags))
PLOV_LATE_WINMM(MMRESULT, mixerGetLineControlsA, 12,
                (HMIXEROBJ mixer, LPMIXERLINECONTROLSA controls, DWORD flags), (mixer, controls, flags))
PLOV_LATE_WINMM(MMRESULT, mixerGetControlDetailsA, 12,
                (HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags), (mixer, details, flags))
PLOV_LATE_WINMM(MMRESULT, mixerSetControlDetails, 12,
                (HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags), (mixer, details, flags))
