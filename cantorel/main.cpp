#include "cantorelmain.h"

int main(int argc, char *argv[])
{
    return CantorelMain(argc, argv);
}
