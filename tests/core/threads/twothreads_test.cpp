#include "threads/twothreads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace vantrel;

namespace {

TEST(TwoThreads, PiecesAreConsumedOnceEachAndInOrder)
{
    for (const bool oneThread : {false, true}) {
        std::optional<OneThreadScope> scope;
        if (oneThread)
            scope.emplace();
        const std::thread::id caller = std::this_thread::get_id();
        std::atomic<bool> elsewhere{false};
        const auto where = [&] {
            if (std::this_thread::get_id() != caller)
                elsewhere = true;
        };
        for (const std::size_t count : {0u, 1u, 2u, 7u, 1000u}) {
            std::vector<std::size_t> consumed;
            ProduceOnTwoThreadsInOrder<std::string>(
                count,
                [&](std::size_t i, std::string& slot) {
                    where();
                    slot = std::to_string(i * i);
                },
                [&](std::size_t i, const std::string& slot) {
                    EXPECT_EQ(slot, std::to_string(i * i));  // the slot still holds its own piece
                    consumed.push_back(i);
                });
            ASSERT_EQ(consumed.size(), count);
            for (std::size_t i = 0; i < count; ++i)
                EXPECT_EQ(consumed[i], i);

            std::vector<char> seen(count, 0);
            ForEachOnTwoThreads(count, [&](std::size_t i) {
                where();
                ++seen[i];
            });
            EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), static_cast<std::ptrdiff_t>(count));

            std::size_t filled = 0;
            std::vector<std::size_t> taken;
            FillAheadInOrder<std::size_t>(
                [&](std::size_t& slot) {
                    where();
                    slot = filled++;
                    return filled == count + 1;
                },
                [&](std::size_t& slot) { taken.push_back(slot); });
            ASSERT_EQ(taken.size(), count + 1);
            for (std::size_t i = 0; i <= count; ++i)
                EXPECT_EQ(taken[i], i);
        }
        // A batch keeps every core busy with inputs of its own: no piece leaves the thread.
        EXPECT_EQ(elsewhere.load(), !oneThread);
    }
}

TEST(TwoThreads, AFailureOnEitherSideStopsTheWorkAndIsThrownAgain)
{
    for (const std::size_t failing : {3u, 200u}) {
        std::size_t consumed = 0;
        EXPECT_THROW(ProduceOnTwoThreadsInOrder<int>(
                         1000,
                         [&](std::size_t i, int& slot) {
                             if (i == failing)
                                 throw std::runtime_error("piece");
                             slot = static_cast<int>(i);
                         },
                         [&](std::size_t, const int&) { ++consumed; }),
                     std::runtime_error);
        EXPECT_LE(consumed, failing);
    }
    EXPECT_THROW(ProduceOnTwoThreadsInOrder<int>(
                     1000, [](std::size_t, int&) {},
                     [](std::size_t i, const int&) {
                         if (i == 10)
                             throw std::runtime_error("consume");
                     }),
                 std::runtime_error);
}

TEST(TwoThreads, WorkAskedToStopEndsAtTheNextPieceOfEitherThread)
{
    WorkControl control;
    const WorkScope scope(&control);
    std::atomic<std::size_t> pieces{0};
    ForEachOnTwoThreads(1000, [&](std::size_t) { ++pieces; });
    EXPECT_EQ(control.Permille(), 1000);
    // A stop asked for on the second thread's half stops both halves.
    pieces = 0;
    EXPECT_THROW(ForEachOnTwoThreads(100000,
                                     [&](std::size_t i) {
                                         ++pieces;
                                         if (i == 50010)
                                             control.RequestStop();
                                     }),
                 WorkStopped);
    EXPECT_LT(pieces, 100000u);
    EXPECT_LT(control.Permille(), 1000);
    std::size_t consumed = 0;
    EXPECT_THROW(ProduceOnTwoThreadsInOrder<int>(
                     1000, [](std::size_t, int&) {}, [&](std::size_t, const int&) { ++consumed; }),
                 WorkStopped);
    EXPECT_EQ(consumed, 0u);
}

}  // namespace
