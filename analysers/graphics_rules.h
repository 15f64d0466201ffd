// The graphics rule tables: adapter names known to be integrated graphics.
#pragma once

// clang-format off

// Adapter names (exact) of graphics built into the mainboard chipset.
inline constexpr const char* kBoardGraphicsNames[] = {
    "ATI Radeon HD 4200",
    "NVIDIA GeForce 8200",
    "AMD 760G",
    "ATI Radeon HD 4250 Series",
    "Intel(R) G41 Express Chipset",
    "NVIDIA GeForce 7025 / NVIDIA nForce 630a",
};

// Adapter names (exact) of graphics built into the processor.
inline constexpr const char* kCpuGraphicsNames[] = {
    "AMD Radeon HD 6410D",
    "Intel(R) HD Graphics 3000",
    "AMD Radeon HD 6530D",
    "Intel(R) HD Graphics 4000",
    "Intel(R) HD Graphics 2000",
    "Intel HD Graphics 1000 (GT1)",
};

// clang-format on
