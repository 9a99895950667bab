// Quillex.
#include "ui/app/Program.h"

int main(int argc, char** argv) {
    return quillex::ui::RunQuillex(argc, argv);
}
