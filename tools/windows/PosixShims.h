#pragma once
// The few POSIX calls the core tests use to set up their folders and
// environment, in Windows' terms. Included before every core test in the
// Windows build only; the program itself does not use them.

#include <direct.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <random>

inline int setenv(const char* name, const char* value, int overwrite) {
    if (!overwrite && std::getenv(name))
        return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

// An empty value removes the variable on Windows.
inline int unsetenv(const char* name) {
    return _putenv_s(name, "") == 0 ? 0 : -1;
}

// Replaces the trailing "XXXXXX" with letters until a new folder is made.
inline char* mkdtemp(char* pattern) {
    const std::size_t n = std::strlen(pattern);
    if (n < 6 || std::strcmp(pattern + n - 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return nullptr;
    }
    static std::mt19937 random{std::random_device{}()};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (std::size_t i = n - 6; i < n; ++i)
            pattern[i] = letters[random() % (sizeof letters - 1)];
        if (_mkdir(pattern) == 0)
            return pattern;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}
