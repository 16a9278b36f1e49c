// make-sample-rfa <output.rfa>: writes the sample archive that scripts/run-quillon opens.

#include <cstdio>
#include <exception>

#include "tools/rfa_writer/RfaWriter.h"
#include "tools/rfa_writer/SampleArchive.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-rfa <output.rfa>\n");
        return 2;
    }
    try {
        rfa_test::WriterOptions options;
        options.compression = rfa_test::BestCompression();
        rfa_test::WriteArchive(argv[1], rfa_test::SampleArchiveEntries(), options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-sample-rfa: %s\n", error.what());
        return 1;
    }
    return 0;
}
