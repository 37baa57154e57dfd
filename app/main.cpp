#include "app/Commands.h"

int main(int argc, char** argv) {
    return quillmark::app::RunCommandLine(argc, argv);
}
