// Importing a spreadsheet export (semicolons, decimal commas) against File
// Open of the same data in the standard layout, side by side: the rounds
// alternate, and each figure is the median of five. Run by
// bench/import_bench.sh, which makes the two files.
#include "import/surveyloader.h"
#include "import/textlayout.h"
#include "survey.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

using namespace vantrel;

namespace {

double Seconds(const std::string& path, const ImportMapping* mapping, std::size_t* rows)
{
    Survey survey;
    SurveyLoader loader(survey);
    if (mapping)
        loader.SetMapping(*mapping);
    const auto start = std::chrono::steady_clock::now();
    const LoadResult result = loader.Load({{path, path}});
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!result.Ok()) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), result.read.message.c_str());
        std::exit(1);
    }
    *rows = survey.m_tables.Origin().RowCount();
    return took.count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: import_bench STANDARD_FILE SEMICOLON_FILE\n");
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    std::string head(1 << 16, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    const ImportMapping mapping = GuessMapping(TextLayout(head));
    std::vector<double> open, import;
    std::size_t openRows = 0, importRows = 0;
    for (int round = 0; round < 5; ++round) {
        open.push_back(Seconds(argv[1], nullptr, &openRows));
        import.push_back(Seconds(argv[2], &mapping, &importRows));
    }
    const double o = Median(open), i = Median(import);
    std::printf("File Open of the standard file: %.3f s (%zu rows)\n", o, openRows);
    std::printf("Import Text of the semicolon file: %.3f s (%zu rows)\n", i, importRows);
    std::printf("ratio %.2f (target <= 1.5)\n", i / o);
    return openRows == importRows ? 0 : 1;
}
