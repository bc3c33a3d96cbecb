// libFuzzer's start-up hook, the same for every target: one application and
// one scratch folder for the whole run.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    tavrel::fuzz::initialize(argc, argv);
    return 0;
}
