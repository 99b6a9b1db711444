#include "clipipeline.h"

#ifdef VANTREL_CLI_PICTURES
#include "graphpicturewriter.h"
#endif

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    vantrel::CliPipeline pipeline(std::cout, std::cerr);
#ifdef VANTREL_CLI_PICTURES
    pipeline.SetPictureWriter(vantrel::WriteGraphPicture);
#endif
    const int status = pipeline.Run(args);
#ifdef VANTREL_CLI_PICTURES
    vantrel::EndGraphPictures();
#endif
    return status;
}
