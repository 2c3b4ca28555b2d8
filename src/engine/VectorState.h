#pragma once
// The engine's arithmetic is plain SSE2 code. When code that ran earlier on
// the same thread (the window libraries' vector routines) has left the upper
// halves of the AVX registers in use, every one of those instructions carries
// a false dependency on them and the integration runs at less than half its
// speed. Clearing them changes no value the engine computes: the engine's
// values live in the lower halves, which the instruction keeps. Code compiled
// for AVX itself has no such penalty and may keep values in the upper halves
// across this statement, so there it does nothing.

namespace pk {

inline void ClearUpperVectorState()
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(__AVX__)
    if (__builtin_cpu_supports("avx"))
        __asm__ volatile("vzeroupper");
#endif
}

} // namespace pk
