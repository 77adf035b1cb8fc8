#pragma once

#include "base/Result.h"

#include <QString>

#include <ostream>

// The sentence a failed result would put before the user; empty for a success. Tests that check
// what the user reads compare this.
template <typename T> QString messageOf(const Result<T> &result)
{
    return result ? QString() : result.error().message();
}

// Readable test output for failures and results.
inline void PrintTo(const Failure &failure, std::ostream *out)
{
    *out << "Failure(\"" << failure.message().toStdString() << "\")";
}

template <typename T> void PrintTo(const Result<T> &result, std::ostream *out)
{
    if (result)
        *out << "success";
    else
        PrintTo(result.error(), out);
}
