#pragma once

#include <cstdlib>
#include <vector>

// The size of the generated collection the benchmarks run on. The report script runs the same
// benchmarks at several sizes, one process each, and names the size in PALLOX_BENCH_GAMES;
// without it each benchmark keeps the size it was written for.
namespace BenchSize {

inline int chosenGames()
{
    const char *text = std::getenv("PALLOX_BENCH_GAMES");
    if (!text || !*text)
        return 0;
    char *end = nullptr;
    const long games = std::strtol(text, &end, 10);
    return *end == '\0' && games >= 2 && games <= 10000000 ? static_cast<int>(games) : 0;
}

inline int games(int usual)
{
    const int chosen = chosenGames();
    return chosen > 0 ? chosen : usual;
}

// For benchmarks that compare several sizes in one run when no size is chosen.
inline std::vector<int> sizes(std::vector<int> usual)
{
    const int chosen = chosenGames();
    return chosen > 0 ? std::vector<int>{chosen} : usual;
}

} // namespace BenchSize
