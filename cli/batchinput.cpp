#include "cli/batchinput.h"

#include <cerrno>

namespace cli {

BatchInput::int_type BatchInput::underflow()
{
    if (m_error != 0)
        throw ReadError{m_error};
    errno = 0;
    const size_t got = std::fread(m_buffer, 1, sizeof m_buffer, m_file);
    if (std::ferror(m_file))
        m_error = errno != 0 ? errno : EIO;
    if (got == 0 && m_error != 0)
        throw ReadError{m_error};
    if (got == 0)
        return traits_type::eof();
    // A failure after a short read shows on the next call, once these bytes are taken: nothing
    // read after it could join them.
    setg(m_buffer, m_buffer, m_buffer + got);
    return traits_type::to_int_type(m_buffer[0]);
}

} // namespace cli
