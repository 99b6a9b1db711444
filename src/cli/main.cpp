#include "clibatch.h"
#include "clioutputs.h"
#include "clipipeline.h"

#include <unistd.h>

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = 0;
    if (vantrel::CliBatch::Wanted(args)) {
        vantrel::CliBatch batch(std::cout, std::cerr);
        batch.SetProgressInPlace(isatty(STDERR_FILENO) != 0);
        status = batch.Run(args);
    } else {
        vantrel::CliPipeline pipeline(std::cout, std::cerr);
        status = pipeline.Run(args);
    }
    vantrel::EndModulePictures();
    return status;
}
