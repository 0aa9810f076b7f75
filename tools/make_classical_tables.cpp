// Compiles the Chinese names and classical texts of res/languages/ into the program's table:
//
//   make_classical_tables <res/languages> <output.cpp>
//
// The build runs it whenever a file there changes. A file it cannot use stops the build with
// a message naming the file and the line; the output is written only when both scripts read.
#include "tools/classical_source.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_classical_tables <classical folder> <output file>\n");
        return 2;
    }
    const std::string folder = argv[1];
    zandrel::ClassicalScriptSource simplified;
    zandrel::ClassicalScriptSource traditional;
    std::string error;
    if (!zandrel::ReadClassicalScript(folder + "/zh_CN", &simplified, &error) ||
        !zandrel::ReadClassicalScript(folder + "/zh_TW", &traditional, &error)) {
        std::fprintf(stderr, "make_classical_tables: %s\n", error.c_str());
        return 1;
    }
    const std::string source = zandrel::ClassicalTablesSource(simplified, traditional);
    // Written beside the output and renamed over it, so a failed run never leaves half a table.
    const std::string output = argv[2];
    const std::string partial = output + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << source;
        if (!out.flush()) {
            std::fprintf(stderr, "make_classical_tables: cannot write %s\n", partial.c_str());
            return 1;
        }
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::fprintf(stderr, "make_classical_tables: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
