#include "driver/Zorlan.h"

int main(int argc, char** argv) {
    return zorlanMain(argc, argv) & 0xFF;
}
