// Prints the link's figures against the real-time bench: the processor share of a program
// waiting for light, and the delay between a laser write and its effect on the line.
//
// optolink-mesures-liaison [--duree S]   (S seconds per measure, 3 by default)

#include "banc_en_fil.h"
#include "liaison_qt/ports_systeme.h"
#include "mesures.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>

using namespace optolink;
using namespace optolink::mesures;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    double duree_s = 3;
    const QStringList args = app.arguments();
    const auto i = args.indexOf(QStringLiteral("--duree"));
    if (i >= 0 && i + 1 < args.size())
        duree_s = args[i + 1].toDouble();
    if (duree_s <= 0) {
        std::fprintf(stderr, "usage : optolink-mesures-liaison [--duree secondes]\n");
        return 2;
    }
    // A private folder for the bench's ports: these measures never meet a bench already running.
    QTemporaryDir dossier;
    qputenv("TMPDIR", dossier.path().toLocal8Bit());
    constexpr std::array ports{91, 92};
    BancEnFil banc(ports, dossier_banc());
    if (!banc.erreur().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(banc.erreur()));
        return 1;
    }
    double charge[3] = {};
    if (getloadavg(charge, 3) > 0)
        std::printf("Charge de la machine : %.2f (%d cœurs) ; les chiffres valent pour cette charge.\n", charge[0],
                    QThread::idealThreadCount());
    const bool ok = mesurer_veille(ports[0], duree_s) && mesurer_delai(ports[0], duree_s, banc);
    std::fflush(stdout);
    return ok ? 0 : 1;
}
