// Makes synthetic survey files: a header line FILE, INCREMENT, the frequency
// columns, MODE, DATETIME, then one line per measuring point. Readings fall
// smoothly with frequency; an anomaly zone lowers the deep (low-frequency)
// readings along part of the line; a few spikes and zero readings are mixed
// in. The output depends only on the options (fixed pseudo-random sequence).

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
    int files = 3;
    int points = 60;
    int frequencies = 20;
    int step = 5;
    std::uint64_t seed = 20260315;
    bool csv = false;
    bool defects = true;
    const char* out = nullptr;
};

// splitmix64: small, fast and the same everywhere.
struct Random {
    std::uint64_t state;
    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
};

std::vector<double> Frequencies(int count)
{
    // Geometric from 8 kHz down to 1 Hz, rounded to numbers a field crew would set.
    std::vector<double> f;
    for (int i = 0; i < count; ++i) {
        const double v =
            count == 1 ? 1000.0 : 8000.0 * std::pow(1.0 / 8000.0, static_cast<double>(i) / (count - 1));
        const double mag = std::pow(10.0, std::floor(std::log10(v)));
        double rounded = std::round(v / mag * 2.0) / 2.0 * mag;
        if (v < 10)
            rounded = std::round(v * 2.0) / 2.0;
        if (!f.empty() && rounded >= f.back())
            rounded = f.back() * 0.7;
        f.push_back(rounded > 0 ? rounded : 0.5);
    }
    return f;
}

std::string FrequencyTitle(double f)
{
    char buf[32];
    if (f == std::floor(f))
        std::snprintf(buf, sizeof buf, "%.0fHZ", f);
    else
        std::snprintf(buf, sizeof buf, "%gHZ", f);
    return buf;
}

void Usage()
{
    std::fprintf(stderr,
                 "Usage: vantrel-gensurvey [--files N] [--points N] [--frequencies N] [--step M]\n"
                 "                         [--seed S] [--csv] [--clean] [-o FILE]\n");
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const auto next = [&]() -> const char* {
            if (i + 1 >= argc) {
                Usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (!std::strcmp(argv[i], "--files"))
            o.files = std::atoi(next());
        else if (!std::strcmp(argv[i], "--points"))
            o.points = std::atoi(next());
        else if (!std::strcmp(argv[i], "--frequencies"))
            o.frequencies = std::atoi(next());
        else if (!std::strcmp(argv[i], "--step"))
            o.step = std::atoi(next());
        else if (!std::strcmp(argv[i], "--seed"))
            o.seed = std::strtoull(next(), nullptr, 10);
        else if (!std::strcmp(argv[i], "--csv"))
            o.csv = true;
        else if (!std::strcmp(argv[i], "--clean"))
            o.defects = false;
        else if (!std::strcmp(argv[i], "-o"))
            o.out = next();
        else {
            Usage();
            return 2;
        }
    }
    if (o.files < 1 || o.points < 1 || o.frequencies < 1) {
        Usage();
        return 2;
    }
    std::FILE* out = o.out ? std::fopen(o.out, "wb") : stdout;
    if (!out) {
        std::perror(o.out);
        return 1;
    }
    const char sep = o.csv ? ',' : '\t';
    const auto freqs = Frequencies(o.frequencies);
    std::string header = "FILE";
    header += sep;
    header += "INCREMENT";
    for (double f : freqs) {
        header += sep;
        header += FrequencyTitle(f);
    }
    header += sep;
    header += "MODE";
    header += sep;
    header += "DATETIME\r\n";
    std::fputs(header.c_str(), out);

    Random rnd{o.seed};
    const int lineLength = o.points * o.step;
    const double anomalyCentre = lineLength * 0.55, anomalyWidth = lineLength * 0.12;
    std::string line;
    char num[64];
    for (int file = 1; file <= o.files; ++file) {
        const double fileLevel = 0.9 + 0.2 * rnd.Uniform();  // source strength varies per file
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "2026%02d%02d%02d%02d00", 3 + (file / 28) % 9, 1 + file % 28,
                      8 + (file % 10), (file * 7) % 60);
        for (int p = 0; p < o.points; ++p) {
            const int x = p * o.step;
            line.clear();
            line += std::to_string(file);
            line += sep;
            line += std::to_string(x);
            const double zone = std::exp(-std::pow((x - anomalyCentre) / anomalyWidth, 2.0));
            for (std::size_t k = 0; k < freqs.size(); ++k) {
                const double f = freqs[k];
                const double depthWeight = 1.0 - static_cast<double>(k) / static_cast<double>(freqs.size());
                double v = 120.0 * fileLevel * std::pow(f / 8000.0, 0.28);
                v *= 1.0 - 0.45 * zone * (1.0 - depthWeight);  // low readings over the anomaly at depth
                v *= 1.0 + 0.03 * std::sin(x * 0.05 + k) + 0.02 * (rnd.Uniform() - 0.5);
                if (o.defects) {
                    const double r = rnd.Uniform();
                    if (r < 0.004)
                        v *= 6.0 + 4.0 * rnd.Uniform();  // spike
                    else if (r < 0.006)
                        v = 0.0;  // dropped reading
                }
                std::snprintf(num, sizeof num, "%.3f", v);
                line += sep;
                line += num;
            }
            line += sep;
            line += '2';
            line += sep;
            line += stamp;
            line += "\r\n";
            std::fwrite(line.data(), 1, line.size(), out);
        }
    }
    if (out != stdout && std::fclose(out) != 0) {
        std::perror(o.out);
        return 1;
    }
    return 0;
}
