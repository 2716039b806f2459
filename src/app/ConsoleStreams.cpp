#include "app/ConsoleStreams.h"

#ifdef _WIN32
#include <windows.h>

#include <iostream>
#include <streambuf>
#include <string>
#endif

namespace tagler {

#ifdef _WIN32
namespace {

// Bytes of `text` up to the last whole UTF-8 character.
std::size_t wholeCharacters(const std::string& text)
{
    std::size_t end = text.size();
    std::size_t back = 0;
    while (back < 4 && back < end && (static_cast<unsigned char>(text[end - 1 - back]) & 0xC0) == 0x80)
        ++back;
    if (back < end) {
        const auto lead = static_cast<unsigned char>(text[end - 1 - back]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (length > back + 1)
            return end - 1 - back;
    }
    return end;
}

class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}
    ~ConsoleBuffer() override { flushWhole(); }

protected:
    int_type overflow(int_type c) override
    {
        if (c != traits_type::eof()) {
            pending_ += static_cast<char>(c);
            if (c == '\n')
                flushWhole();
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        pending_.append(s, static_cast<std::size_t>(n));
        flushWhole();
        return n;
    }
    int sync() override
    {
        flushWhole();
        return 0;
    }

private:
    void flushWhole()
    {
        const std::size_t whole = wholeCharacters(pending_);
        if (whole == 0)
            return;
        const int n = static_cast<int>(whole);
        const int wide = MultiByteToWideChar(CP_UTF8, 0, pending_.data(), n, nullptr, 0);
        std::wstring text(static_cast<std::size_t>(wide), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), n, text.data(), wide);
        const UINT page = GetConsoleOutputCP();
        const int bytes = WideCharToMultiByte(page, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(page, 0, text.data(), wide, out.data(), bytes, nullptr, nullptr);
        DWORD written = 0;
        WriteFile(console_, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
        pending_.erase(0, whole);
    }

    HANDLE console_;
    std::string pending_;
};

bool isConsole(HANDLE h)
{
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &mode);
}

} // namespace

void useConsoleCodePage()
{
    // Alive until the process ends: the streams flush into them at exit.
    static ConsoleBuffer* out = nullptr;
    static ConsoleBuffer* err = nullptr;
    if (HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE); isConsole(h) && !out) {
        std::cout.flush();
        out = new ConsoleBuffer(h);
        std::cout.rdbuf(out);
    }
    if (HANDLE h = GetStdHandle(STD_ERROR_HANDLE); isConsole(h) && !err) {
        err = new ConsoleBuffer(h);
        std::cerr.rdbuf(err);
    }
}
#else
void useConsoleCodePage() {}
#endif

} // namespace tagler
