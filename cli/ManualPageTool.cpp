// kavrin_manual TEMPLATE PAGE: writes the tool's manual page PAGE from the roff template TEMPLATE
// (ManualPage.h). Run by the build; exit status 1 when it cannot, with the reason.

#include "cli/ManualPage.h"

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: kavrin_manual TEMPLATE PAGE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "kavrin_manual: cannot read " << argv[1] << '\n';
        return 1;
    }
    const std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const kavrin::Result<std::string> written = kavrin::cli::manualPage(page);
    if (!written) {
        std::cerr << "kavrin_manual: " << argv[1] << ": " << written.reason() << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << *written;
    if (!out.flush()) {
        std::cerr << "kavrin_manual: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
