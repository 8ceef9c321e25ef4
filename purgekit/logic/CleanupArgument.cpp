// Writing and reading the cleanup copy's command line.
#include "purgekit/logic/CleanupArgument.h"
#include "common/logic/TextBuf.h"

void FormatWindowArgument(char* out, size_t size, uint32_t handle) {
    out[0] = '\0';
    AppendDecimal(out, size, handle);
}

uint32_t ParseWindowArgument(const char* commandLine) {
    const char* p = commandLine;
    while (*p == ' ' || *p == '\t')
        ++p;
    uint64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + static_cast<uint64_t>(*p - '0');
        if (value > UINT32_MAX)
            return 0;
    }
    return static_cast<uint32_t>(value);
}
