// libFuzzer's entry over one of the checks (ZELMO_FUZZ_CHECK): a broken invariant ends
// the run with its reason, as a crash would.
#include "FuzzChecks.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    // Image plugins are looked up through the application; Qt gets no fuzzer flags.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static const QCoreApplication app(qtArgc, qtArgv);
    // Decoders' complaints about damaged input would fill the log at hundreds a second;
    // the picture loader still counts them through its own handler.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem = ZELMO_FUZZ_CHECK({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
