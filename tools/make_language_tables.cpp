// Compiles the names and classical texts of the language folders of res/languages/ into the
// program's table:
//
//   make_language_tables <output.cpp> <language folder>...
//
// The build runs it whenever a file there changes, with every folder there. A folder it cannot
// use stops the build with a message naming the file and the line; the output is written only
// when every folder reads.
#include "tools/language_source.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_language_tables <output file> <language folder>...\n");
        return 2;
    }
    std::vector<zandrel::LanguageSource> languages(static_cast<std::size_t>(argc - 2));
    std::set<std::string> codes;
    for (int i = 2; i < argc; ++i) {
        zandrel::LanguageSource& language = languages[static_cast<std::size_t>(i - 2)];
        std::string error;
        if (!zandrel::ReadLanguage(argv[i], &language, &error)) {
            std::fprintf(stderr, "make_language_tables: %s\n", error.c_str());
            return 1;
        }
        if (!codes.insert(language.code).second) {
            std::fprintf(stderr, "make_language_tables: %s: a second folder named %s\n", argv[i],
                         language.code.c_str());
            return 1;
        }
    }
    const std::string source = zandrel::LanguageTablesSource(languages);
    // Written beside the output and renamed over it, so a failed run never leaves half a table.
    const std::string output = argv[1];
    const std::string partial = output + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << source;
        if (!out.flush()) {
            std::fprintf(stderr, "make_language_tables: cannot write %s\n", partial.c_str());
            return 1;
        }
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::fprintf(stderr, "make_language_tables: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
