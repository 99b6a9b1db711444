#include "datafile/textcase.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantrel;

namespace {

TEST(TextCase, UpperCasesAsciiLettersOnlyAtEveryPositionAndLength)
{
    // Every byte value at every offset of the eight-byte steps and in the tail.
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    for (std::size_t shift = 0; shift < 9; ++shift) {
        const std::string text = std::string(shift, 'q') + all;
        std::string expected = text;
        for (char& c : expected)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        EXPECT_EQ(ToUpperAscii(text), expected) << shift;
    }
}

}  // namespace
