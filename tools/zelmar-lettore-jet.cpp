// The reader process of Jet files: reads a file's bytes from standard input and writes
// its tables to standard output for the program that started it. The argument names the
// file in the messages.
#include "storage/jet/LettoreJetIsolato.h"

#include <QString>

int main(int argc, char** argv)
{
    return LettoreJetIsolato::Servi(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
}
