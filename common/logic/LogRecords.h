// The install log's record format, shared by the writer in Setup, the uninstaller and the tests.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Record type bytes: each record is a type byte, the text's bytes, and one zero byte.
enum LogRecordType : uint8_t {
    LOG_UNINSTALL_KEY = 0xFA, // key path below HKEY_LOCAL_MACHINE
    LOG_SHORTCUT = 0xFB,      // full path of a .lnk file
    LOG_PROGRAM_FOLDER = 0xFC,
    LOG_RUN_VALUE = 0xFD, // a value name of the Run key
    LOG_FOLDER = 0xFE,
    LOG_FILE = 0xFF,
};

inline bool IsLogRecordType(uint8_t type) { return type >= LOG_UNINSTALL_KEY; }

// One record as it stands in the buffer; text is not terminated, length counts its bytes.
struct LogRecord {
    uint8_t type;
    const char* text;
    size_t length;
};

// Walks a log held in memory, record by record. Any first byte starts a record (callers skip the
// types they do not know); a text that reaches the end of the buffer without a zero ends there.
class CLogReader {
  public:
    CLogReader(const void* data, size_t size);
    // Answers false at the end of the buffer; otherwise fills record and moves past it.
    bool Next(LogRecord& record);

  private:
    const uint8_t* m_pos;
    const uint8_t* m_end;
};
