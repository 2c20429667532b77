#include "gui/app/Start.h"

int main(int argc, char **argv)
{
    return rinolux::RinoluxStarten(argc, argv);
}
