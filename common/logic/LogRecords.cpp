// Walking the install log's records.
#include "common/logic/LogRecords.h"
#include <string.h>

CLogReader::CLogReader(const void* data, size_t size)
    : m_pos(static_cast<const uint8_t*>(data)), m_end(m_pos + size) {}

bool CLogReader::Next(LogRecord& record) {
    if (m_pos >= m_end)
        return false;
    record.type = *m_pos++;
    record.text = reinterpret_cast<const char*>(m_pos);
    const void* zero = memchr(m_pos, 0, static_cast<size_t>(m_end - m_pos));
    const uint8_t* stop = zero ? static_cast<const uint8_t*>(zero) : m_end;
    record.length = static_cast<size_t>(stop - m_pos);
    m_pos = zero ? stop + 1 : m_end;
    return true;
}
