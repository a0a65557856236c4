// zelmo-sim: headless self-play of one variant on the real game classes.
#include "SimOptions.h"
#include "SimRunner.h"
#include "SimTrace.h"
#include "SimVariants.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = ParseSimOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "zelmo-sim: %s\n%s\n", error.c_str(), SimUsage());
        return 2;
    }
    if (options->ListVariants) {
        for (const std::string& name : SimVariantNames())
            std::printf("%s\n", name.c_str());
        return 0;
    }
    // Nothing is ever shown; the boards only need an application and a platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TSimTrace trace;
    if (!options->TracePath.empty() && !trace.Open(options->TracePath)) {
        std::fprintf(stderr, "zelmo-sim: cannot write %s\n", options->TracePath.c_str());
        return 2;
    }
    TSimRunner runner(*options, trace);
    return runner.Run();
}
