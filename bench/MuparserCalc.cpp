// The peer of `reqpad calc --raw -` for the whole-process comparison: one formula per
// line in, one value per line out, one muparser object reused for every line.
#include <cstdio>
#include <iostream>
#include <string>

#include <muParser.h>

int main() {
    std::ios::sync_with_stdio(false);
    mu::Parser parser;
    std::string line, out;
    char number[64];
    while (std::getline(std::cin, line)) {
        try {
            parser.SetExpr(line);
            std::snprintf(number, sizeof number, "%.17g\t0\t", parser.Eval());
            out += number;
        } catch (const mu::Parser::exception_type& e) {
            out += "0\t1\t" + e.GetMsg();
        }
        out += '\n';
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}
