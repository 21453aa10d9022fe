#include "tools/decode/decodage_cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    return optolink::decoder_fichiers(QCoreApplication::arguments(), sortie, erreurs);
}
