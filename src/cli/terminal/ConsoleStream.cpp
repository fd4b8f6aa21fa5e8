#include "cli/terminal/ConsoleStream.h"

#ifdef _WIN32

#include <ostream>
#include <string>
#include <windows.h>

CConsoleStreamBuf::CConsoleStreamBuf(void* hConsole, unsigned nCodePage) : m_hConsole(hConsole), m_nCodePage(nCodePage)
{
    setp(m_buffer, m_buffer + sizeof m_buffer);
}

CConsoleStreamBuf::~CConsoleStreamBuf() { sync(); }

void CConsoleStreamBuf::UseForConsole(std::ostream& stream, unsigned long dwStdHandle, unsigned nCodePage)
{
    HANDLE hConsole = GetStdHandle(dwStdHandle);
    DWORD dwMode = 0;
    if (!GetConsoleMode(hConsole, &dwMode)) return;
    static CConsoleStreamBuf* s_pBuffers[2] = {};
    CConsoleStreamBuf*& pBuffer = s_pBuffers[dwStdHandle == STD_ERROR_HANDLE ? 1 : 0];
    if (!pBuffer) pBuffer = new CConsoleStreamBuf(hConsole, nCodePage);  // lives as long as the stream
    stream.rdbuf(pBuffer);
}

CConsoleStreamBuf::int_type CConsoleStreamBuf::overflow(int_type ch)
{
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) sputc(traits_type::to_char_type(ch));
    return traits_type::not_eof(ch);
}

int CConsoleStreamBuf::sync()
{
    int nBytes = static_cast<int>(pptr() - pbase());
    setp(m_buffer, m_buffer + sizeof m_buffer);
    if (nBytes == 0) return 0;
    std::wstring wide(static_cast<std::size_t>(nBytes), L'\0');
    int nWide = MultiByteToWideChar(m_nCodePage, 0, m_buffer, nBytes, &wide[0], nBytes);
    DWORD dwWritten = 0;
    return nWide > 0 && WriteConsoleW(m_hConsole, wide.data(), static_cast<DWORD>(nWide), &dwWritten, nullptr) ? 0 : -1;
}

#endif
