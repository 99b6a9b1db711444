#include "clibatch.h"

#include "clioption.h"
#include "clioutputs.h"
#include "platform.h"
#include "threads/onethreadscope.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

namespace vantrel {

namespace {

/// An output's place for one input: "{name}" stands for the input's base
/// name, a file name without it gets "NAME-" in front; a relative path is
/// taken in the batch's folder.
std::string OutputPath(const std::string& value, const std::string& base, const std::filesystem::path& folder)
{
    std::string named = value;
    bool templated = false;
    for (std::size_t at; (at = named.find("{name}")) != std::string::npos; templated = true)
        named.replace(at, 6, base);
    std::filesystem::path path(named);
    if (!templated)
        path.replace_filename(base + "-" + path.filename().string());
    return (path.is_absolute() ? path : folder / path).string();
}

std::string BaseName(const std::string& input)
{
    return std::filesystem::path(input).stem().string();
}

/// The messages of a failed input under its name, lines after the first indented.
std::string FailureText(const std::string& input, const std::string& messages)
{
    std::string text = input + ":";
    std::istringstream lines(messages);
    bool first = true;
    for (std::string line; std::getline(lines, line); first = false)
        text += (first ? " " : "\n  ") + line;
    return text + "\n";
}

}  // namespace

struct CliBatch::Plan {
    std::filesystem::path folder;
    std::vector<std::string> inputs;
    /// The steps as given, each word with whether it names an output file.
    std::vector<std::pair<std::string, bool>> words;
    std::vector<std::string> recipes;

    std::vector<std::string> ArgsFor(const std::string& input) const
    {
        std::vector<std::string> args{input};
        for (const auto& [word, output] : words)
            args.push_back(output ? OutputPath(word, BaseName(input), folder) : word);
        return args;
    }
};

CliBatch::CliBatch(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

bool CliBatch::Wanted(const std::vector<std::string>& args)
{
    return std::find(args.begin(), args.end(), "--batch") != args.end();
}

int CliBatch::Usage(const std::string& problem)
{
    m_err << "vantrel-cli: " << problem << "\n";
    return 2;
}

bool CliBatch::MakePlan(const std::vector<std::string>& args, Plan& plan, int& status)
{
    bool hasOutput = false;
    bool hasFolder = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            m_out << CliPipeline::Usage();
            status = 0;
            return false;
        }
        if (a == "--batch") {
            if (i + 1 >= args.size() || hasFolder) {
                status = Usage(hasFolder ? "--batch is given twice" : "--batch needs a value");
                return false;
            }
            plan.folder = args[++i];
            hasFolder = true;
            continue;
        }
        const auto& options = CliOptions();
        const auto option =
            std::find_if(options.begin(), options.end(), [&a](const CliOption& o) { return o.name == a; });
        if (option != options.end()) {
            if (option->printsOutput) {
                status = Usage(a + " prints to standard output and cannot run in a batch");
                return false;
            }
            plan.words.emplace_back(a, false);
            for (const CliOption::Argument& argument : option->arguments) {
                if (i + 1 >= args.size()) {
                    status = Usage(a + " needs a value");
                    return false;
                }
                const std::string& value = args[++i];
                const std::string wrong = argument.wrong ? argument.wrong(value) : std::string();
                if (!wrong.empty()) {
                    status = Usage(a + " " + wrong);
                    return false;
                }
                plan.words.emplace_back(value, argument.output);
                hasOutput = hasOutput || argument.output;
            }
            if (option->prepare)
                plan.recipes.push_back(args[i]);
            continue;
        }
        if (a == "-") {
            status = Usage("a batch cannot read standard input");
            return false;
        }
        if (a.size() > 1 && a[0] == '-') {
            m_err << "vantrel-cli: unknown option " << a << "\n" << CliPipeline::Usage();
            status = 2;
            return false;
        }
        plan.inputs.push_back(a);
    }
    if (plan.inputs.empty()) {
        status = Usage("--batch needs at least one INPUT after OUTDIR");
        return false;
    }
    if (hasOutput) {
        std::map<std::string, const std::string*> seen;
        for (const std::string& input : plan.inputs) {
            const auto [it, added] = seen.emplace(BaseName(input), &input);
            if (!added) {
                status = Usage("two inputs have the base name " + it->first + " (" + *it->second + ", " +
                               input + "); their files would overwrite each other");
                return false;
            }
        }
    }
    return true;
}

int CliBatch::Run(const std::vector<std::string>& args)
{
    Plan plan;
    int status = 2;
    if (!MakePlan(args, plan, status))
        return status;
    {
        // A recipe that cannot be read fails the batch before any input runs.
        std::ostringstream none;
        CliPipeline check(none, m_err);
        for (const std::string& recipe : plan.recipes)
            if (!check.ReadRecipe(recipe))
                return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(plan.folder, error);
    if (error) {
        m_err << "vantrel-cli: cannot make the folder " << plan.folder.string() << ": " << error.message()
              << "\n";
        return 1;
    }

    struct PictureJob {
        const Graph* graph;
        const PictureFile* file;
        std::string error;
        bool ready = false;
    };
    const std::size_t count = plan.inputs.size();
    std::vector<std::pair<int, std::string>> outcomes(count);
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<PictureJob*> jobs;
    std::size_t finished = 0, done = 0, failed = 0;

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t wanted = std::min<std::size_t>(count, m_workers ? m_workers : cores);
    {
        // Each worker's next input takes up the memory of its last one, so
        // what an input uses at its peak (about eight times its file) stays
        // kept for every worker instead of being zeroed anew by the system.
        std::uintmax_t largest = 0;
        for (const std::string& input : plan.inputs) {
            const std::uintmax_t bytes = std::filesystem::file_size(input, error);
            largest = std::max(largest, error ? 0 : bytes);
        }
        const std::size_t share = std::max<std::size_t>(std::size_t{256} << 20, 8 * largest);
        platform::KeepFreedBlocks(wanted * share);
    }
    const auto work = [&]() {
        // Every core already has an input of its own.
        std::optional<OneThreadScope> oneThread;
        if (wanted > 1)
            oneThread.emplace();
        for (std::size_t index; (index = next++) < count;) {
            std::ostringstream out, err;
            CliPipeline pipeline(out, err);
            pipeline.SetPictureWriter([&](const Graph& graph, const PictureFile& file) {
                PictureJob job{&graph, &file, {}, false};
                std::unique_lock lock(mutex);
                jobs.push_back(&job);
                changed.notify_all();
                changed.wait(lock, [&job] { return job.ready; });
                return job.error;
            });
            int result = 1;
            try {
                result = pipeline.Run(plan.ArgsFor(plan.inputs[index]));
            } catch (const std::exception& e) {
                err << "stopped by an internal error: " << e.what() << "\n";
            }
            std::lock_guard lock(mutex);
            outcomes[index] = {result, err.str()};
            ++(result == 0 ? done : failed);
            ++finished;
            if (m_progressInPlace)
                m_err << "\r" << finished << " of " << count << ": " << done << " done, " << failed
                      << " failed" << std::flush;
            else
                m_err << "[" << finished << "/" << count << "] " << plan.inputs[index]
                      << (result == 0 ? " done\n" : " failed\n") << std::flush;
            changed.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < wanted; ++i)
        workers.emplace_back(work);
    {
        // Pictures are drawn here, on the thread that made the drawing library's application.
        std::unique_lock lock(mutex);
        while (finished < count) {
            changed.wait(lock, [&] { return !jobs.empty() || finished == count; });
            while (!jobs.empty()) {
                PictureJob* job = jobs.front();
                jobs.pop_front();
                lock.unlock();
                std::string message =
                    m_pictureWriter(*job->graph, *job->file);
                lock.lock();
                job->error = std::move(message);
                job->ready = true;
                changed.notify_all();
            }
        }
    }
    for (std::thread& worker : workers)
        worker.join();

    if (m_progressInPlace)
        m_err << "\n";
    m_err << done << " done, " << failed << " failed\n";
    for (std::size_t i = 0; i < count; ++i)
        if (outcomes[i].first != 0)
            m_err << FailureText(plan.inputs[i], outcomes[i].second);
    m_err.flush();
    return failed > 0 ? 1 : 0;
}

}  // namespace vantrel
