#include "clipipeline.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    vantrel::CliPipeline pipeline(std::cout, std::cerr);
    return pipeline.Run(args);
}
