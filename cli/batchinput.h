#pragma once

#include <cstdio>
#include <streambuf>

namespace cli {

// A read that failed (EIO, EISDIR, a closed descriptor): the errno, thrown out of the reading
// so that the row in flight is dropped rather than designed from the bytes read before it.
struct ReadError {
    int error = 0;
};

// The batch input from a C stream. The standard library's streams report a failed read as the
// end of the input (a cut row designed, a count off by one) or abort with an exception of their
// own; this one throws ReadError instead, and its buffer keeps memory flat.
class BatchInput : public std::streambuf {
public:
    explicit BatchInput(std::FILE* file) : m_file(file) {}

protected:
    int_type underflow() override;

private:
    std::FILE* m_file;
    int m_error = 0;
    char m_buffer[1 << 16];
};

} // namespace cli
