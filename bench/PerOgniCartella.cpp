#include "PerOgniCartella.h"

#include "app/MessageBox.h"

#include <cstdio>

int PerOgniCartella(const QStringList& cartelle, const char* programma,
                    const std::function<bool(const QString&)>& misura)
{
    MessageBox::setAutomatic(true);
    if (cartelle.isEmpty()) {
        std::fprintf(stderr, "usage: %s <data folder> [<data folder>...]\n", programma);
        return 2;
    }
    bool ok = true;
    for (const QString& cartella : cartelle) {
        MessageBox::clearShown();
        ok = misura(cartella) && ok;
    }
    return ok ? 0 : 1;
}

bool NessunMessaggio()
{
    if (MessageBox::shown().isEmpty())
        return true;
    std::printf("a message box was shown: %s\n", qPrintable(MessageBox::lastText()));
    std::fflush(stdout);
    return false;
}
