#include "objdump/objdumpMain.h"

#include <cstdio>

int main(int argc, char** argv) {
    return objdumpMain(argc, argv, stdout, stderr);
}
