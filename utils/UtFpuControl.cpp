#include "utils/UtFpuControl.h"

namespace ut {

#if defined(__i386__) || defined(__x86_64__)

void SetFpuControlWord(uint16_t controlWord) { __asm__ volatile("fldcw %0" : : "m"(controlWord)); }

uint16_t FpuControlWord() {
    uint16_t controlWord = 0;
    __asm__ volatile("fnstcw %0" : "=m"(controlWord));
    return controlWord;
}

#else

void SetFpuControlWord(uint16_t) {}

uint16_t FpuControlWord() { return 0; }

#endif

}  // namespace ut
