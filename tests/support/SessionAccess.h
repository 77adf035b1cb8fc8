#pragma once

#include "session/LibrarySession.h"

// For tests and benchmarks that build a table in memory which no library on disk would give:
// windows have no way to change the state, and these should not need one.
struct LibrarySessionTestAccess
{
    static MainState &state(LibrarySession &session) { return session.m_state; }
};
