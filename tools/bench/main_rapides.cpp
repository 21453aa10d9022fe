// Prints the fast codings' figures against the real-time bench: the element lengths of the fast
// transmitters as the interface sees them and their processor share, then the download of a
// dark and of a lit recording at each length and period (several minutes of real time).
//
// optolink-mesures-rapides [--emissions | --telechargements] [--carte-b CHARGEUR]
//
// With --carte-b, B is the simulated board as sold, restarted in the loader given at each opening:
// it greets, and the downloads run at its rate.

#include "banc_en_fil.h"
#include "liaison_qt/ports_systeme.h"
#include "mesures_rapides.h"
#ifdef OPTOLINK_MESURES_CARTE
#include "carte_simulee/interface_carte.h"
#endif

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
    std::array<sim::BancReel::FabriqueCarte, 2> cartes;
    const qsizetype option_carte = args.indexOf(QStringLiteral("--carte-b"));
#ifdef OPTOLINK_MESURES_CARTE
    if (option_carte > 0 && option_carte + 1 < args.size()) {
        const std::string chargeur = args[option_carte + 1].toStdString();
        cartes[1] = [chargeur](sim::Ordonnanceur& temps, const QString& nom, std::function<double(double)> tension_v) {
            return std::make_unique<sim::InterfaceCarte>(temps, nom, OPTOLINK_CARTE_ELF, std::move(tension_v), chargeur);
        };
    }
#else
    if (option_carte > 0) {
        std::fprintf(stderr, "--carte-b : construit sans carte simulée\n");
        return 1;
    }
#endif
    BancEnFil banc(ports, dossier_banc(), cartes);
    if (!banc.erreur().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(banc.erreur()));
        return 1;
    }
    if (emissions)
        mesurer_emissions(banc, ports[0]);
    if (telechargements)
        mesurer_telechargements(banc, ports[1], option_carte > 0);
    return 0;
}
