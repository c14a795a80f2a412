// Lays out the program folder beside the executable: qv_lay_out ASSETS_FOLDER PROGRAM_FOLDER.
#include <cstdio>

#include "app/folder_layout.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qv_lay_out ASSETS_FOLDER PROGRAM_FOLDER\n");
        return 2;
    }
    const auto problems = qv::app::layOutProgramFolder(argv[1], argv[2]);
    for (const auto& p : problems) std::fprintf(stderr, "qv_lay_out: %s\n", p.c_str());
    return problems.empty() ? 0 : 1;
}
