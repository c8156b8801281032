// The "zelmartek" command of the installed package: readies the user's folders and starts the
// installed program with them.
#include "Avviatore.h"

int main(int argc, char* argv[])
{
    return Avviatore::Esegui(argc, argv);
}
