#include "clibatch.h"
#include "clipipeline.h"

#ifdef VANTREL_CLI_PICTURES
#include "graphpicturewriter.h"
#endif

#include <unistd.h>

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = 0;
    if (vantrel::CliBatch::Wanted(args)) {
        vantrel::CliBatch batch(std::cout, std::cerr);
#ifdef VANTREL_CLI_PICTURES
        batch.SetPictureWriter(vantrel::WriteGraphPicture);
#endif
        batch.SetProgressInPlace(isatty(STDERR_FILENO) != 0);
        status = batch.Run(args);
    } else {
        vantrel::CliPipeline pipeline(std::cout, std::cerr);
#ifdef VANTREL_CLI_PICTURES
        pipeline.SetPictureWriter(vantrel::WriteGraphPicture);
#endif
        status = pipeline.Run(args);
    }
#ifdef VANTREL_CLI_PICTURES
    vantrel::EndGraphPictures();
#endif
    return status;
}
