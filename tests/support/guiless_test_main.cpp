#include "support/guiless_test_main.h"

#include <cstring>

QList<char *> argumentsWithoutPlatform(int argc, char **argv)
{
    QList<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        arguments.append(argv[i]);
    }
    arguments.append(nullptr); // argv is null-terminated
    return arguments;
}
