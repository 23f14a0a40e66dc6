#include "Qmx.h"

int main(int argc, char** argv) {
    return RunQmx(argc, argv);
}
