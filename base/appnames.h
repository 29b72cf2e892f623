// The window class and title a running copy is known by, shared by the program, its tests and tools.
#pragma once

constexpr char kAppClassName[] = "Vespin_Class";
constexpr char kAppTitle[] = "Vespin";
// The mutex the running copy holds, per session.
constexpr char kAppMutexName[] = "Local\\Vespin_Class";
