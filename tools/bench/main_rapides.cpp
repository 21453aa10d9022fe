// Prints the fast codings' figures against the real-time bench: the element lengths of the fast
// transmitters as the interface sees them and their processor share, then the download of a
// dark and of a lit recording at each length and period (several minutes of real time).
//
// optolink-mesures-rapides [--emissions | --telechargements]

#include "banc_en_fil.h"
#include "liaison_qt/ports_systeme.h"
#include "mesures_rapides.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace optolink;
using namespace optolink::mesures;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool emissions = !args.contains(QStringLiteral("--telechargements"));
    const bool telechargements = !args.contains(QStringLiteral("--emissions"));
    // A private folder for the bench's ports: these measures never meet a bench already running.
    QTemporaryDir dossier;
    qputenv("TMPDIR", dossier.path().toLocal8Bit());
    constexpr std::array ports{93, 94};
    BancEnFil banc(ports, dossier_banc());
    if (!banc.erreur().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(banc.erreur()));
        return 1;
    }
    if (emissions)
        mesurer_emissions(banc, ports[0]);
    if (telechargements)
        mesurer_telechargements(banc, ports[1]);
    return 0;
}
