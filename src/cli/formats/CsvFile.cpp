#include "cli/formats/CsvFile.h"

#include <stdexcept>

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            out += field;
            continue;
        }
        out += '"';
        for (char ch : field) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    out += "\r\n";
}

bool CCsvReader::Next(std::vector<std::string>& fields)
{
    fields.clear();
    if (m_nPos >= m_text.size()) return false;
    m_nRecordLine = m_nLine;
    std::string field;
    bool bQuoted = false;
    for (;;) {
        if (m_nPos >= m_text.size()) {
            if (bQuoted) throw std::runtime_error("a quoted field does not end");
            break;
        }
        const char ch = m_text[m_nPos++];
        if (ch == '\n') ++m_nLine;
        if (bQuoted) {
            if (ch != '"') {
                field += ch;
            } else if (m_nPos < m_text.size() && m_text[m_nPos] == '"') {
                field += '"';
                ++m_nPos;
            } else {
                bQuoted = false;
                // Only a comma or the record's end may follow the closing quote.
                if (m_nPos < m_text.size() && m_text.find_first_of(",\r\n", m_nPos) != m_nPos)
                    throw std::runtime_error("a quoted field goes on after its closing quote");
            }
        } else if (ch == '"' && field.empty()) {
            bQuoted = true;
        } else if (ch == '"') {
            throw std::runtime_error("a quote stands inside a field that does not start with one");
        } else if (ch == ',') {
            fields.push_back(field);
            field.clear();
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && m_nPos < m_text.size() && m_text[m_nPos] == '\n') {
                ++m_nPos;
                ++m_nLine;
            }
            break;
        } else {
            field += ch;
        }
    }
    fields.push_back(field);
    return true;
}
