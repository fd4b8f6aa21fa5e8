// CSV as RFC 4180 has it: records of fields separated by commas and ended by
// CR LF; a field that holds a comma, a quote or a line break is quoted, its
// quotes doubled. The reader also takes LF alone as a record's end.
#pragma once

#include <string>
#include <vector>

// Appends one record, and CR LF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

class CCsvReader {
public:
    explicit CCsvReader(const std::string& text) : m_text(text) {}

    // The next record's fields; false at the end of the text. Throws
    // std::runtime_error for a quoted field that does not end, or a quote that
    // stands in the middle of an unquoted one.
    bool Next(std::vector<std::string>& fields);
    // The line the last record started on, from 1.
    int GetLine() const { return m_nRecordLine; }

private:
    const std::string& m_text;
    std::size_t m_nPos = 0;
    int m_nLine = 1;
    int m_nRecordLine = 0;
};
