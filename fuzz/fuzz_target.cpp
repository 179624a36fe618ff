// A libFuzzer target: every input goes through one property check, chosen when the target
// is built (VELLORIN_FUZZ_CHECK names it), and any broken property stops the fuzzer with the
// input kept.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString problem = vellorin::fuzz::VELLORIN_FUZZ_CHECK(input);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "property broken: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
