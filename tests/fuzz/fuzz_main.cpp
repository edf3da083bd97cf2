// One libFuzzer target: VARDELLO_BERSAGLIO names the reader's entry.
#include "bersagli.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    return Bersagli::VARDELLO_BERSAGLIO(dati, n);
}
