// Records built by the debug-description directives (.FILE, .LINE, types, variables,
// functions), read later by the debug-information and line-program builders.
#pragma once

struct AssemblerState;

struct DebugDirectives {
    // Filled in by the debug-description directives.
};
