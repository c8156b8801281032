// The "zelmartek" command of the installed package: prepares the user's program folder and
// starts the program from it.
#include "Avviatore.h"

int main(int argc, char* argv[])
{
    return Avviatore::Esegui(argc, argv);
}
