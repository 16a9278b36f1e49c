// Feeds arbitrary text to the form reader: it must raise form errors, never crash or leak.
#include <cstddef>
#include <cstdint>
#include <string>

#include "classlib/core/Exception.h"
#include "classlib/core/FormReader.h"
#include "classlib/tests/TestClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (cltest::RegisterTestClasses(), true);
    (void)registered;
    cltest::g_log.clear();
    cltest::TTestForm form;
    try {
        cl::ReadFormResource(form, std::string(reinterpret_cast<const char*>(data), size), "Fuzz");
    } catch (const cl::Exception&) {
    }
    return 0;
}
