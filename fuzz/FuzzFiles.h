// Scratch files of a fuzz target: readers that take a path read the input
// from a file in a private folder, on tmpfs when there is one so that the
// writers' fsync costs nothing.
#pragma once

#include <cstddef>
#include <string>

class CFuzzFiles {
public:
    // The path of a scratch file named pszName (created on first use of the folder).
    static std::string PathOf(const char* pszName);
    // Replaces the file pszName with nSize bytes of pData; its path.
    static std::string Write(const char* pszName, const void* pData, size_t nSize);
};
