#include "testsupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// The fuzz target's inputs worth keeping run with every test run.
TEST(FuzzCorpus, EveryKeptInputRunsClean)
{
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(vantrel::test::DataPath("fuzz"))) {
        const std::string bytes = vantrel::test::ReadAll(entry.path().string());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                  0)
            << entry.path();
        ++count;
    }
    EXPECT_GT(count, 0u);
}

}  // namespace
