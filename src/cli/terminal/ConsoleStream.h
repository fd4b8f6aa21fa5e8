// CConsoleStreamBuf (Windows): a stream buffer that writes to the console in
// Unicode (WriteConsoleW), converting the bytes it is given from a code page.
// Written through the byte functions, any character outside the console's own
// code page would show as a wrong letter or a question mark.
#pragma once

#ifdef _WIN32

#include <streambuf>

class CConsoleStreamBuf : public std::streambuf {
public:
    // hConsole: a console output handle; nCodePage: the code page of the bytes.
    CConsoleStreamBuf(void* hConsole, unsigned nCodePage);
    ~CConsoleStreamBuf() override;

    // Puts the buffer in place of the stream's when its handle is a console.
    static void UseForConsole(std::ostream& stream, unsigned long dwStdHandle, unsigned nCodePage);

protected:
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    void* m_hConsole;
    unsigned m_nCodePage;
    char m_buffer[1024];
};

#endif
